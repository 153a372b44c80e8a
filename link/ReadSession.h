// Reading the code plug out of a radio: handshake, 16 blocks of 64 bytes with retries, then the new
// image replaces the document's. A failed read leaves the document and the radio state as they were.
#pragma once

#include <optional>
#include <string>

#include "codeplug/Document.h"
#include "link/ExchangeLog.h"
#include "link/Protocol.h"
#include "link/TransferResult.h"

class LinkUi;
class SerialPort;

class ReadSession {
public:
    static constexpr int kBlocks = 16;
    static constexpr int kBlockBytes = 0x40;

    // port: configured by the caller (ConfigureCodePlugPort); opened by Run when closed.
    ReadSession(SerialPort& port, LinkUi& ui, CodePlugDocument& doc = g_doc);

    // Read twice: the radio is read a second time and the read succeeds only when both images agree
    // (the protocol has no checksum; a byte changed on a doubtful line shows only this way).
    void SetReadTwice(bool on) { m_bReadTwice = on; }
    bool ReadTwice() const { return m_bReadTwice; }

    // One read (the Read button). On success: g_doc.AcceptFromRadio(image, 3), the firmware version
    // text of an "R736" radio in g_modelInfo.mcuVersion, message 3007. The caller then reloads the
    // window (ImageReplaced) and closes itself when auto-close is set.
    TransferResult Run();

    // One whole read conversation (open, handshake, 16 blocks, port closed at the end) that leaves the
    // document alone: image receives the 2048 hex characters. Progress positions run from
    // progressFirst to progressFirst + 15 in a range 1..progressLast. Nothing on success, else how the
    // read ended (its message already shown).
    std::optional<TransferResult> ReadImage(std::string& image, RadioIdentity& identity, int progressFirst,
                                            int progressLast);

    ExchangeLog& Log() { return m_log; }
    // The identity the radio gave in the last Run (invalid when it gave none).
    const RadioIdentity& Identity() const { return m_identity; }

private:
    SerialPort& m_port;
    LinkUi& m_ui;
    CodePlugDocument& m_doc;
    ExchangeLog m_log;
    bool m_bReadTwice = false;
    RadioIdentity m_identity;
};
