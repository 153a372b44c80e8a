// Writing a code plug into the simulated radio: the frames on the line, the 0x03C4 normalisation, the
// model and band checks with the cross-band marker, the failure table, and the dry run.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "app/AppState.h"
#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/Protocol.h"
#include "link/WriteSession.h"

namespace {

// The band "33" default image with every byte below 0x0340 given a recognisable value.
CodePlug ImageToWrite()
{
    CodePlug image(BuildBandImage("33"));
    for (int a = 0x0000; a < 0x0340; ++a)
        if (a < Addr::kModelBlock || a >= Addr::kModelBlock + 8)
            image.WriteByte(a, (a * 5 + 1) & 0xFF);
    image.WriteByte(Addr::kRadioConfigFlags, 0x01); // a value the write leaves as it is
    return image;
}

std::vector<std::string> WriteFrames(const SimulatedRadio& radio)
{
    std::vector<std::string> out;
    for (const std::string& f : radio.Frames())
        if (f.rfind("57", 0) == 0)
            out.push_back(f);
    return out;
}

int Count(const std::vector<std::string>& frames, const std::string& frame)
{
    int n = 0;
    for (const std::string& f : frames)
        n += f == frame ? 1 : 0;
    return n;
}

} // namespace

TEST(WriteSession, SendsFortyFiveBlocksAndLeavesTheRadiosCalibrationAlone)
{
    LinkAppDir dir;
    SimBench b;
    // The radio's memory: zeros, and its alignment block (its calibration) holding 40 41 42 ... 7F.
    std::string memory(2048, '0');
    for (int i = 0; i < 64; ++i)
        memory.replace(static_cast<std::size_t>(2 * (0x02A0 + i)), 2, IntToHex(0x40 + i, 1));
    b.radio.SetMemoryHex(memory);
    b.port.Close();
    CodePlug image = ImageToWrite();
    const CodePlug before = image;
    RecordingUi ui;
    WriteSession session(b.port, ui, image);

    const TransferResult r = session.Run();
    EXPECT_TRUE(r.Succeeded());
    EXPECT_EQ(ui.messages, std::vector<int>{3014});
    EXPECT_FALSE(b.port.IsOpen());
    EXPECT_TRUE(ui.buttonEnabled);
    EXPECT_FALSE(ui.waitCursor);
    EXPECT_TRUE(session.BandCheck());
    EXPECT_EQ(ui.high, 52);
    EXPECT_EQ(ui.positions.size(), 52u); // the skipped blocks still step the progress
    EXPECT_EQ(image.Text(), before.Text());

    // Every frame the radio received, in order: the handshake, then every 16-byte block below 0x0340
    // except 0x0180-0x01AF and the alignment block 0x02A0-0x02DF.
    std::vector<std::string> expected = {FRAME_PROGRAM, "02", "06"};
    for (int address = 0; address < 0x0340; address += 16)
        if ((address < 0x0180 || address >= 0x01B0) && (address < 0x02A0 || address >= 0x02E0))
            expected.push_back("57" + IntToHex(address, 2) + "10" + image.Read(address, 16));
    ASSERT_EQ(expected.size(), 3u + 45u);
    EXPECT_EQ(b.radio.Frames(), expected);

    // The radio holds the image below 0x0340 except the skipped blocks, and its own bytes elsewhere:
    // its calibration byte for byte.
    CodePlug held(memory);
    for (const std::string& f : WriteFrames(b.radio))
        held.Write(static_cast<int>(HexToInt(f.substr(2, 4))), f.substr(8));
    EXPECT_EQ(b.radio.MemoryHex(), held.Text());
    EXPECT_EQ(b.radio.MemoryHex().substr(2 * 0x02A0, 128), memory.substr(2 * 0x02A0, 128));
}

TEST(WriteSession, NormalisesTheFlagsByteInTheImage)
{
    LinkAppDir dir;
    const std::vector<std::pair<int, int>> cases = {
        {0x3F, 0x1F}, {0x2F, 0x2F}, {0x0F, 0x0F}, {0x30, 0x10}, {0xFF, 0xDF}};
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        SimBench b;
        CodePlug image = ImageToWrite();
        image.WriteByte(Addr::kRadioConfigFlags, value);
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        EXPECT_TRUE(session.Run().Succeeded());
        EXPECT_EQ(image.ReadByte(Addr::kRadioConfigFlags), expected);
        EXPECT_EQ(b.radio.MemoryByte(Addr::kRadioConfigFlags),
                  SimulatedRadio().MemoryByte(Addr::kRadioConfigFlags));
    }
}

TEST(WriteSession, ModelNumberCheck)
{
    LinkAppDir dir;
    { // Another model number: 3023, nothing written, the port left open.
        SimBench b;
        b.radio.SetModelText("TQ952");
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        const TransferResult r = session.Run();
        EXPECT_EQ(r.status, TransferStatus::ModelRejected);
        EXPECT_EQ(ui.messages, std::vector<int>{3023});
        EXPECT_TRUE(WriteFrames(b.radio).empty());
        EXPECT_EQ(Count(b.radio.Frames(), "06"), 0);
        EXPECT_TRUE(b.port.IsOpen());
    }
    { // A radio tagged "R736" carries no model number "Q951" and is refused as well.
        SimBench b;
        b.radio.SetModelText("R736");
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        EXPECT_EQ(session.Run().textNumber, 3023);
    }
    { // Builds of other model codes do not check the model number.
        g_strModel = "vpxj";
        SimBench b;
        b.radio.SetModelText("TQ952");
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        EXPECT_TRUE(session.Run().Succeeded());
        EXPECT_EQ(WriteFrames(b.radio).size(), 45u);
    }
}

TEST(WriteSession, BandMismatchNeedsTheMarkerAndConsent)
{
    LinkAppDir dir;
    { // No marker file: 3022, port closed, nothing written, nothing asked.
        SimBench b;
        b.radio.SetBandCode(0xF9);
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        EXPECT_EQ(session.Run().status, TransferStatus::BandMismatch);
        EXPECT_EQ(ui.messages, std::vector<int>{3022});
        EXPECT_TRUE(ui.questions.empty());
        EXPECT_FALSE(b.port.IsOpen());
        EXPECT_TRUE(WriteFrames(b.radio).empty());
    }
    dir.WriteFile(kMarkerCrossBandWrite, "");
    { // Marker present, answer No: port closed, no message, nothing written.
        SimBench b;
        b.radio.SetBandCode(0xF9);
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        ui.answer = false;
        WriteSession session(b.port, ui, image);
        EXPECT_EQ(session.Run().status, TransferStatus::BandDeclined);
        EXPECT_EQ(ui.questions, std::vector<int>{3019});
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(b.port.IsOpen());
        EXPECT_TRUE(WriteFrames(b.radio).empty());
    }
    { // Yes: the write runs again from the start without the check, and the check is back afterwards.
        SimBench b;
        b.radio.SetBandCode(0xF9);
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        ui.answer = true;
        WriteSession session(b.port, ui, image);
        EXPECT_TRUE(session.Run().Succeeded());
        EXPECT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(ui.messages, std::vector<int>{3014});
        EXPECT_EQ(Count(b.radio.Frames(), FRAME_PROGRAM), 2);
        EXPECT_EQ(WriteFrames(b.radio).size(), 45u);
        EXPECT_TRUE(session.BandCheck());
        ui.answer = false;
        EXPECT_EQ(session.Run().status, TransferStatus::BandDeclined); // asked again next time
        EXPECT_EQ(ui.questions.size(), 2u);
    }
    { // Same band: no question even with the marker.
        SimBench b;
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        EXPECT_TRUE(session.Run().Succeeded());
        EXPECT_TRUE(ui.questions.empty());
    }
}

TEST(WriteSession, FailuresShowTheirMessage)
{
    struct Case {
        const char* what;
        SimFault fault;
        TransferStatus status;
        int text;
        bool buttonEnabled;
        bool portOpen;
    };
    SimFault refused = Fault(SimFault::Kind::WrongByte, "57", 5);
    refused.value = 0x15;
    const std::vector<Case> cases = {
        {"no answer to PROGRAM", Fault(SimFault::Kind::NoAnswer, "50", 1, 0), TransferStatus::NoRadio, 3006,
         true, false},
        {"no identity", Fault(SimFault::Kind::NoAnswer, "02", 1, 0), TransferStatus::RadioStopped, 3009, true,
         false},
        {"block 10 silent", Fault(SimFault::Kind::NoAnswer, "57", 10, 3), TransferStatus::BlockTimeout, 3009,
         true, false},
        {"block 5 refused", refused, TransferStatus::BlockRejected, 3013, true, false},
        {"connection dropped", Fault(SimFault::Kind::Drop, "57", 7), TransferStatus::BlockFault, 9602, false,
         false},
    };
    LinkAppDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimBench b;
        b.radio.AddFault(c.fault);
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        const TransferResult r = session.Run();
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(ui.messages, std::vector<int>{c.text});
        EXPECT_EQ(ui.buttonEnabled, c.buttonEnabled);
        EXPECT_EQ(b.port.IsOpen(), c.portOpen);
        EXPECT_FALSE(ui.waitCursor);
    }
    { // A block answered on its second attempt is written once the radio answers; the frame sent twice
      // makes it a disturbed write, which is read back before it is called done.
        SimBench b;
        b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "57", 3));
        CodePlug image = ImageToWrite();
        RecordingUi ui;
        WriteSession session(b.port, ui, image);
        EXPECT_TRUE(session.Run().Succeeded());
        EXPECT_TRUE(session.Disturbed());
        EXPECT_EQ(WriteFrames(b.radio).size(), 46u);
        EXPECT_EQ(ui.messages, std::vector<int>{3014});
        EXPECT_EQ(ui.details.back(), GetLangText(9603));
        EXPECT_EQ(b.radio.Frames().back(), "06"); // the read-back's last acknowledge
    }
}

TEST(WriteSession, DryRunLogsTheFramesWithoutTraffic)
{
    LinkAppDir dir;
    SimBench b;
    CodePlug image = ImageToWrite();
    image.WriteByte(Addr::kRadioConfigFlags, 0x3F);
    const CodePlug before = image;
    RecordingUi ui;
    WriteSession session(b.port, ui, image);

    EXPECT_TRUE(session.DryRun().Succeeded());
    EXPECT_TRUE(b.radio.Frames().empty());
    EXPECT_EQ(image, before); // only the copy is normalised
    EXPECT_EQ(ui.high, 123);
    EXPECT_EQ(ui.positions.size(), 123u);
    EXPECT_TRUE(ui.buttonEnabled);
    // Every 8-byte frame of 0x0000-0x03D7 but the alignment block's eight (0x02A0-0x02D8).
    const std::vector<std::string> sent = ui.SentFrames();
    ASSERT_EQ(sent.size(), 115u);
    EXPECT_EQ(ui.CountLines("R:06"), 115);
    std::vector<std::string> expected;
    for (int address = 0; address <= 0x03D0; address += 8)
        if (address < 0x02A0 || address >= 0x02E0)
            expected.push_back("57" + IntToHex(address, 2) + "08" +
                               (address == 0x03C0 ? image.Read(0x03C0, 4) + "1F" + image.Read(0x03C5, 3)
                                                  : image.Read(address, 8)));
    EXPECT_EQ(sent, expected);
}
