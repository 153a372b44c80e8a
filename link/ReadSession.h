// Reading the code plug out of a radio: handshake, 16 blocks of 64 bytes with retries, then the new
// image replaces the document's. A failed read leaves the document and the radio state as they were.
#pragma once

#include "codeplug/Document.h"
#include "link/ExchangeLog.h"
#include "link/TransferResult.h"

class LinkUi;
class SerialPort;

class ReadSession {
public:
    static constexpr int kBlocks = 16;
    static constexpr int kBlockBytes = 0x40;

    // port: configured by the caller (ConfigureCodePlugPort); opened by Run when closed.
    ReadSession(SerialPort& port, LinkUi& ui, CodePlugDocument& doc = g_doc);

    // One read (the Read button). On success: g_doc.AcceptFromRadio(image, 3), the firmware version
    // text of an "R736" radio in g_modelInfo.mcuVersion, message 3007. The caller then reloads the
    // window (ImageReplaced) and closes itself when auto-close is set.
    TransferResult Run();

    ExchangeLog& Log() { return m_log; }

private:
    SerialPort& m_port;
    LinkUi& m_ui;
    CodePlugDocument& m_doc;
    ExchangeLog m_log;
};
