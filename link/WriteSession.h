// Writing the image into a radio: model and band checks (cross-band only with the marker file and
// the user's consent), 49 blocks of 16 bytes with retries; and the dry run that only logs the frames.
#pragma once

#include "codeplug/CodePlug.h"
#include "codeplug/Document.h"
#include "link/ExchangeLog.h"
#include "link/TransferResult.h"

class LinkUi;
class SerialPort;

class WriteSession {
public:
    static constexpr int kBlocks = 52;
    static constexpr int kBlockBytes = 0x10;
    static constexpr int kDryRunBlocks = 123;
    static constexpr int kDryRunBytes = 8;

    // Keep one session per write window: the band-check flag lives as long as the window.
    WriteSession(SerialPort& port, LinkUi& ui, CodePlug& image = g_doc.image);

    // One write (the Write button), including the nested run after a Yes to the band question.
    // Changes the image only by the 0x03C4 normalisation.
    TransferResult Run();
    // The Test button: logs the 123 frames of 8 bytes a write would send, without port traffic.
    TransferResult DryRun();

    bool BandCheck() const { return m_bBandCheck; }
    ExchangeLog& Log() { return m_log; }

    // In the byte at 0x03C4 a two-bit field 3 (bits 5 and 4) becomes 1; other values stay.
    static void NormaliseImage(CodePlug& image);
    // The frame of block n (1-based) of a write: "57" + address + "10" + 16 data bytes; empty for
    // the three blocks that are never written (0x0180, 0x0190, 0x01A0).
    static std::string BlockFrame(const CodePlug& image, int n);

private:
    SerialPort& m_port;
    LinkUi& m_ui;
    CodePlug& m_image;
    ExchangeLog m_log;
    bool m_bBandCheck = true;
};
