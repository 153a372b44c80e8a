// The Qt SerialPort adapter against the simulated radio on a real pseudo-terminal: whole transfers,
// the timing of replies in the input buffer, a dropped line, open failures and the port probe.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "link/ExchangeLog.h"
#include "link/Protocol.h"
#include "link/RadioPort.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"
#include "link/qt/PortFactory.h"
#include "link/qt/QtSerialPort.h"
#include "tests/link/LinkTestSupport.h"

TEST(QtSerialPort, WriteThenReadOverAPseudoTerminal)
{
    LinkAppDir dir;
    PtyRadio radio(false);
    ASSERT_TRUE(radio.ok) << radio.openError;
    radio.Start();
    std::unique_ptr<SerialPort> port = CreateRadioPort();
    ConfigureRadioPort(*port, radio.server.DevicePath(), kCodePlugLineSettings);

    CodePlug image(BuildBandImage("33"));
    for (int a = 0x10; a < 0x110; ++a)
        image.WriteByte(a, a & 0xFF);
    RecordingUi ui;
    WriteSession write(*port, ui, image);
    EXPECT_TRUE(write.Run().Succeeded());
    EXPECT_FALSE(port->IsOpen());

    CodePlugDocument doc;
    doc.ResetToNew();
    ReadSession read(*port, ui, doc);
    EXPECT_TRUE(read.Run().Succeeded());
    EXPECT_EQ(doc.image.Read(0, 0x0340), image.Read(0, 0x0340));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ui.messages, (std::vector<int>{3014, 3007}));
}

TEST(QtSerialPort, RepliesStayBufferedAndDropsAreFaults)
{
    LinkAppDir dir;
    { // Bytes that arrive after the reply was complete stay for the next exchange; a reply that never
      // comes is a time-out. (Generous limits: on a busy machine a call only returns later, never
      // differently.)
        PtyRadio radio(true);
        ASSERT_TRUE(radio.ok) << radio.openError;
        SimFault late;
        late.kind = SimFault::Kind::LateAnswer;
        late.prefix = "06";
        late.delayMs = 100;
        radio.server.Radio().AddFault(late);
        SimFault silent;
        silent.kind = SimFault::Kind::NoAnswer;
        silent.prefix = "52";
        radio.server.Radio().AddFault(silent);
        radio.Start();
        QtSerialPort port;
        port.SetPortName(radio.server.DevicePath());
        port.SetLineSettings(kCodePlugLineSettings);
        std::string error;
        ASSERT_TRUE(port.Open(error)) << error;
        std::string reply;
        EXPECT_EQ(PortTransceive(port, FRAME_PROGRAM, reply, 1, 5000, ReplyShape::Exactly("06")), LINK_OK);
        EXPECT_EQ(reply, "06");
        EXPECT_EQ(PortTransceive(port, "0206", reply, 8, 5000, ReplyShape::FamilyIdentity()), LINK_OK);
        EXPECT_EQ(reply, "5451393531330105");
        EXPECT_EQ(PortTransceive(port, "", reply, 1, 5000, ReplyShape::Exactly("06")), LINK_OK);
        EXPECT_EQ(reply, "06");
        EXPECT_EQ(PortTransceive(port, ReadRequestFrame(0, 0x40), reply, 68, 30), LINK_TIMEOUT);
        EXPECT_EQ(reply, "");
        port.Close();
    }
    { // The terminal goes away in the middle of a read: the lost connection, nothing changed.
        PtyRadio radio(false);
        ASSERT_TRUE(radio.ok) << radio.openError;
        SimFault drop;
        drop.kind = SimFault::Kind::Drop;
        drop.prefix = "52";
        drop.frame = 3;
        radio.server.Radio().AddFault(drop);
        radio.Start();
        std::unique_ptr<SerialPort> port = CreateRadioPort();
        ConfigureRadioPort(*port, radio.server.DevicePath(), kCodePlugLineSettings);
        CodePlugDocument doc;
        doc.ResetToNew();
        const std::string before = doc.image.Text();
        RecordingUi ui;
        ReadSession read(*port, ui, doc);
        EXPECT_EQ(read.Run().status, TransferStatus::BlockFault);
        EXPECT_EQ(ui.messages, std::vector<int>{9602}); // the connection lost
        EXPECT_EQ(doc.image.Text(), before);
    }
}

TEST(QtSerialPort, BurstsAndStraysNeverShiftAReply)
{
    LinkAppDir dir;
    // Each reply handed over whole, as a USB adapter does, with stray bytes before, inside and after
    // replies, through the Qt adapter: the read holds exactly the radio's bytes.
    PtyRadio radio(true);
    ASSERT_TRUE(radio.ok) << radio.openError;
    radio.server.SetDelivery(SimLine::Delivery::WholeReply);
    CodePlug image(BuildBandImage("33"));
    for (int a = 0x10; a < 0x3C0; ++a)
        image.WriteByte(a, (a * 11 + 3) & 0xFF);
    radio.server.Radio().SetMemoryHex(image.Text());
    AddReadTrouble(radio.server.Radio());
    radio.Start();
    std::unique_ptr<SerialPort> port = CreateRadioPort();
    ConfigureRadioPort(*port, radio.server.DevicePath(), kCodePlugLineSettings);
    CodePlugDocument doc;
    doc.ResetToNew();
    RecordingUi ui;
    ReadSession read(*port, ui, doc);
    EXPECT_TRUE(read.Run().Succeeded());
    EXPECT_EQ(doc.image.Text(), image.Text());
}

TEST(QtSerialPort, StrayBytesOnAPacedLineNeverShiftAReply)
{
    LinkAppDir dir;
    // Surplus bytes after the identity and a burst after an acknowledge, paced like a 9600-baud line:
    // the read holds exactly the radio's bytes, and a write after a stray byte after PROGRAM is not
    // refused as another model.
    PtyRadio radio(true);
    ASSERT_TRUE(radio.ok) << radio.openError;
    CodePlug image(BuildBandImage("33"));
    for (int a = 0x10; a < 0x110; ++a)
        image.WriteByte(a, (a * 5) & 0xFF);
    radio.server.Radio().SetMemoryHex(image.Text());
    SimFault afterIdentity;
    afterIdentity.kind = SimFault::Kind::ExtraBytes;
    afterIdentity.prefix = "02";
    afterIdentity.bytes = {0x00, 0x00};
    radio.server.Radio().AddFault(afterIdentity);
    SimFault burst;
    burst.kind = SimFault::Kind::ExtraBytes;
    burst.prefix = "06";
    burst.frame = 3;
    burst.bytes.assign(20, 0x06);
    radio.server.Radio().AddFault(burst);
    SimFault afterProgram; // the write's PROGRAM, the second one the radio gets
    afterProgram.kind = SimFault::Kind::ExtraBytes;
    afterProgram.prefix = "50";
    afterProgram.frame = 2;
    afterProgram.bytes = {0x00};
    radio.server.Radio().AddFault(afterProgram);
    radio.Start();
    std::unique_ptr<SerialPort> port = CreateRadioPort();
    ConfigureRadioPort(*port, radio.server.DevicePath(), kCodePlugLineSettings);

    CodePlugDocument doc;
    doc.ResetToNew();
    RecordingUi ui;
    ReadSession read(*port, ui, doc);
    EXPECT_TRUE(read.Run().Succeeded());
    EXPECT_EQ(doc.image.Text(), image.Text());

    WriteSession write(*port, ui, image);
    EXPECT_TRUE(write.Run().Succeeded());
    EXPECT_EQ(ui.messages, (std::vector<int>{3007, 3014}));
}

TEST(QtSerialPort, HungUpLineIsAFaultNotAWait)
{
    LinkAppDir dir;
    PtyRadio radio(false);
    ASSERT_TRUE(radio.ok) << radio.openError;
    QtSerialPort port;
    port.SetPortName(radio.server.DevicePath());
    port.SetLineSettings(kCodePlugLineSettings);
    std::string error;
    ASSERT_TRUE(port.Open(error)) << error;
    if (!HangUpTerminal(radio.server.DevicePath()))
        GTEST_SKIP() << "hanging up a terminal needs more rights here";
    std::string reply;
    EXPECT_EQ(PortTransceive(port, "", reply, 1, 5000), LINK_PORT_FAULT);
    EXPECT_EQ(port.BytesWaiting(), -1);
}

TEST(QtSerialPort, OpenFailuresAndTheProbe)
{
    LinkAppDir dir;
    PtyRadio radio(false);
    ASSERT_TRUE(radio.ok) << radio.openError;
    dir.WriteFile("system.ini",
                  "[ports]\ncom1=" + radio.server.DevicePath() + "\ncom2=/dev/vpx-none\ncom3=simulator\n");

    const std::vector<PortProbe> probe = ProbeComPorts();
    ASSERT_EQ(probe.size(), 16u);
    EXPECT_TRUE(probe[0].available) << probe[0].reason;
    EXPECT_EQ(probe[0].device, radio.server.DevicePath());
    EXPECT_FALSE(probe[1].available);
    EXPECT_NE(probe[1].reason.find("/dev/vpx-none"), std::string::npos);
    EXPECT_TRUE(probe[2].available);

    std::unique_ptr<SerialPort> port = CreateRadioPort();
    ConfigureRadioPort(*port, "com2", kCodePlugLineSettings);
    RecordingUi ui;
    CodePlugDocument doc;
    doc.ResetToNew();
    ReadSession read(*port, ui, doc);
    EXPECT_EQ(read.Run().status, TransferStatus::PortOpenFailed);
    ASSERT_EQ(ui.messages, std::vector<int>{3012});
    EXPECT_NE(ui.details[0].find("/dev/vpx-none"), std::string::npos);
}
