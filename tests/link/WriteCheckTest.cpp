// The check before a code plug goes into a radio, against the simulated radio: what it finds for the
// band the radio reports (channels outside it, no channel, tones the radio cannot use), the question
// and what each answer sends; and the backup, which a refused write never keeps and a failed write
// names in its message.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/ToneCodec.h"
#include "link/PreWriteCheck.h"
#include "link/Protocol.h"
#include "link/WriteSession.h"
#include "tests/support/CliRunner.h"
#include "tests/support/DataHome.h"
#include "tests/support/SamplePlug.h"

namespace {

// A band-33 code plug whose channels are the given ones (channel 1 of the band default replaced).
CodePlug PlugWith(std::initializer_list<SampleChannel> channels)
{
    CodePlug image(BuildBandImage("33"));
    image.Write(Addr::ChannelAddress(1), std::string(32, 'F'));
    StoreSampleChannels(image, channels);
    return image;
}

// The 151-154 MHz plan of a VHF radio, taken into a code plug of the 400-470 MHz radio.
CodePlug VhfPlan()
{
    return PlugWith({{151.625, 151.625, "", "", true, true, true},
                     {151.955, 151.955, "", "", true, true, true},
                     {154.570, 154.570, "", "", true, true, true}});
}

CodePlug CleanPlan()
{
    return PlugWith({{438.500, 430.900, "88.5", "88.5", true, true, true},
                     {446.00625, 0, "D023N", "", false, false, true}});
}

int WriteFrameCount(const SimulatedRadio& radio)
{
    int n = 0;
    for (const std::string& f : radio.Frames())
        n += f.rfind("57", 0) == 0 ? 1 : 0;
    return n;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The session's window answers the check with answer; the radio holds a band-33 code plug.
struct CheckBench {
    explicit CheckBench(CodePlug plug, bool answer = true)
        : image(std::move(plug)), session(b.port, ui, image)
    {
        ui.writeAnyway = answer;
        b.radio.SetMemoryHex(BuildBandImage("33"));
        b.port.Close();
    }
    SimBench b;
    CodePlug image;
    RecordingUi ui;
    WriteSession session;
};

} // namespace

TEST(PreWriteCheck, FindsEachProblemWithItsChannel)
{
    LinkAppDir dir;
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();

    // A clean code plug: nothing to ask about.
    EXPECT_TRUE(CheckBeforeWrite(CleanPlan(), "33").Clean());
    // A channel right on the band's edges is inside it.
    EXPECT_TRUE(CheckBeforeWrite(PlugWith({{400.0, 470.0, "", "", true, true, true}}), "33").Clean());

    // A plan outside the band: every frequency, channel by channel.
    PreWriteCheck vhf = CheckBeforeWrite(VhfPlan(), "33");
    EXPECT_TRUE(vhf.bandKnown);
    const std::vector<WriteProblem> expected = {
        {WriteProblemKind::ReceiveOutOfBand, 1, "151.62500"},
        {WriteProblemKind::TransmitOutOfBand, 1, "151.62500"},
        {WriteProblemKind::ReceiveOutOfBand, 2, "151.95500"},
        {WriteProblemKind::TransmitOutOfBand, 2, "151.95500"},
        {WriteProblemKind::ReceiveOutOfBand, 3, "154.57000"},
        {WriteProblemKind::TransmitOutOfBand, 3, "154.57000"},
    };
    EXPECT_EQ(vhf.problems, expected);
    EXPECT_EQ(DescribeWriteProblems(vhf, 2),
              "Channel 1: receive frequency 151.62500 MHz is outside the radio's band (400-470 MHz)\n"
              "Channel 1: transmit frequency 151.62500 MHz is outside the radio's band (400-470 MHz)\n" +
                  GetLangTextWith(9577, {"4"}));

    // The band the radio reports counts, not the file's: the same plan is clean for a VHF radio.
    EXPECT_TRUE(CheckBeforeWrite(VhfPlan(), "E0").Clean());
    // ... and a UHF plan has problems for a 445-448 MHz radio.
    const PreWriteCheck f9 = CheckBeforeWrite(CleanPlan(), "F9");
    EXPECT_EQ(f9.band.lower, 445);
    ASSERT_EQ(f9.problems.size(), 2u); // 438.5 and 430.9; 446.00625 is inside
    EXPECT_EQ(f9.problems[1], (WriteProblem{WriteProblemKind::TransmitOutOfBand, 1, "430.90000"}));
    // A band without limits of its own checks no frequency.
    EXPECT_FALSE(CheckBeforeWrite(VhfPlan(), "F0").bandKnown);
    EXPECT_TRUE(CheckBeforeWrite(VhfPlan(), "F0").Clean());

    // A code plug without any channel.
    const PreWriteCheck empty = CheckBeforeWrite(PlugWith({}), "33");
    EXPECT_EQ(empty.problems, (std::vector<WriteProblem>{{WriteProblemKind::NoChannel, 0, ""}}));
    EXPECT_EQ(DescribeWriteProblems(empty), "The code plug has no channel.");
}

TEST(PreWriteCheck, TonesOutsideTheListsAndTheCustomBand)
{
    LinkAppDir dir;
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    // Every listed tone is usable; a CTCSS tone between the list's entries and a DCS code that is not
    // one of the 83 are not.
    for (const std::string& tone : CtcssTones())
        EXPECT_TRUE(IsListedTone(tone)) << tone;
    for (const std::string& code : DcsCodes()) {
        EXPECT_TRUE(IsListedTone(code + "N")) << code;
        EXPECT_TRUE(IsListedTone(code + "I")) << code;
    }
    EXPECT_FALSE(IsListedTone("69.3"));
    EXPECT_FALSE(IsListedTone("D024N"));
    EXPECT_FALSE(IsListedTone("D023"));

    CodePlug image = PlugWith(
        {{433.5, 433.5, "88.5", "88.5", true, true, true}, {434.0, 0, "D023N", "", true, true, true}});
    // Fields as a file from elsewhere may hold them: 69.3 Hz decode on channel 1, D024N encode.
    image.Write(Addr::ChannelAddress(1) + 8, EncodeTone("69.3") + EncodeTone("D024N"));
    // Channel 2 transmits nothing: its encode field does not count, whatever it holds.
    image.Write(Addr::ChannelAddress(2) + 10, EncodeTone("69.3"));
    const PreWriteCheck check = CheckBeforeWrite(image, "33");
    const std::vector<WriteProblem> expected = {{WriteProblemKind::DecodeToneUnusable, 1, "69.3"},
                                                {WriteProblemKind::EncodeToneUnusable, 1, "D024N"}};
    EXPECT_EQ(check.problems, expected);
    EXPECT_EQ(DescribeWriteProblems(check), "Channel 1: decode tone 69.3 is not one the radio can use\n"
                                            "Channel 1: encode tone D024N is not one the radio can use");

    // The custom band: the limits the code plug carries stand for the radio's when both are custom.
    CodePlug custom(ApplyPresetRange("", "FF", "433-447"));
    StoreSampleChannels(custom,
                        {{440.0, 440.0, "", "", true, true, true}, {450.0, 450.0, "", "", true, true, true}});
    BandState band;
    ASSERT_TRUE(RadioBandLimits("FF", custom, band));
    EXPECT_NEAR(band.lower, 433.0, 1e-9);
    EXPECT_NEAR(band.upper, 447.0, 1e-9);
    EXPECT_EQ(CheckBeforeWrite(custom, "FF").problems.size(), 2u); // channel 2 both ways
    EXPECT_FALSE(RadioBandLimits("FF", CleanPlan(), band));        // a band-33 file: limits unknown
}

TEST(WriteCheck, TheQuestionComesBeforeTheFirstBlockAndNoSendsNothing)
{
    LinkAppDir dir;
    { // No: the identity was read, nothing written, the port closed, no message.
        CheckBench c(VhfPlan(), false);
        const TransferResult r = c.session.Run();
        EXPECT_EQ(r.status, TransferStatus::CheckDeclined);
        ASSERT_EQ(c.ui.writeChecks.size(), 1u);
        EXPECT_EQ(c.ui.writeChecks[0].problems.size(), 6u);
        EXPECT_EQ(c.ui.writeChecks[0].band.code, "33");
        EXPECT_EQ(c.b.radio.Frames(), (std::vector<std::string>{FRAME_PROGRAM, FRAME_IDENTITY}));
        EXPECT_EQ(c.b.radio.MemoryHex(), BuildBandImage("33"));
        EXPECT_TRUE(c.ui.messages.empty());
        EXPECT_FALSE(c.b.port.IsOpen());
        EXPECT_FALSE(c.ui.waitCursor);
    }
    { // Yes: the write goes on as usual.
        CheckBench c(VhfPlan(), true);
        EXPECT_TRUE(c.session.Run().Succeeded());
        EXPECT_EQ(c.ui.writeChecks.size(), 1u);
        EXPECT_EQ(WriteFrameCount(c.b.radio), 45);
        EXPECT_EQ(c.ui.messages, std::vector<int>{3014});
    }
    { // A code plug without a channel is asked about too.
        CheckBench c(PlugWith({}), false);
        EXPECT_EQ(c.session.Run().status, TransferStatus::CheckDeclined);
        ASSERT_EQ(c.ui.writeChecks.size(), 1u);
        EXPECT_EQ(c.ui.writeChecks[0].problems[0].kind, WriteProblemKind::NoChannel);
    }
    { // A clean code plug is written without a question.
        CheckBench c(CleanPlan(), false);
        EXPECT_TRUE(c.session.Run().Succeeded());
        EXPECT_TRUE(c.ui.writeChecks.empty());
        EXPECT_EQ(WriteFrameCount(c.b.radio), 45);
    }
}

TEST(WriteCheck, AcrossBandsTheRadiosBandIsChecked)
{
    LinkAppDir dir;
    dir.WriteFile(kMarkerCrossBandWrite, "");
    // A radio of band F9 (445-448 MHz): the file's band is 33, the user agrees to write across bands;
    // the channels are then checked against 445-448 MHz.
    CheckBench c(CleanPlan(), false);
    c.b.radio.SetBandCode(0xF9);
    c.ui.answer = true;
    EXPECT_EQ(c.session.Run().status, TransferStatus::CheckDeclined);
    EXPECT_EQ(c.ui.questions, std::vector<int>{3019});
    ASSERT_EQ(c.ui.writeChecks.size(), 1u);
    EXPECT_EQ(c.ui.writeChecks[0].band.code, "F9");
    EXPECT_EQ(c.ui.writeChecks[0].problems.size(), 2u);
    EXPECT_EQ(WriteFrameCount(c.b.radio), 0);
    EXPECT_TRUE(c.session.BandCheck());
}

TEST(WriteCheck, RefusedWritesKeepNoBackupAndAFailedOneNamesIt)
{
    LinkAppDir dir;
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    { // Another model: refused after the backup's read, and no backup is kept.
        DataHome home;
        CheckBench c(CleanPlan());
        c.session.SetOptions({true, false});
        c.b.radio.SetModelText("TQ952");
        EXPECT_EQ(c.session.Run().status, TransferStatus::ModelRejected);
        EXPECT_EQ(home.BackupCount(), 0);
        EXPECT_EQ(c.session.BackupPath(), "");
    }
    { // Another band without the marker file.
        DataHome home;
        CheckBench c(CleanPlan());
        c.session.SetOptions({true, true});
        c.b.radio.SetBandCode(0xF9);
        EXPECT_EQ(c.session.Run().status, TransferStatus::BandMismatch);
        EXPECT_EQ(home.BackupCount(), 0);
    }
    { // The check declined.
        DataHome home;
        CheckBench c(VhfPlan(), false);
        c.session.SetOptions({true, false});
        EXPECT_EQ(c.session.Run().status, TransferStatus::CheckDeclined);
        EXPECT_EQ(home.BackupCount(), 0);
        EXPECT_EQ(WriteFrameCount(c.b.radio), 0);
    }
    { // A write that fails after the backup was kept: the message names the file that restores it.
        DataHome home;
        CheckBench c(CleanPlan());
        c.session.SetOptions({true, false});
        c.b.radio.AddFault(Fault(SimFault::Kind::NoAnswer, "57", 10, 3));
        EXPECT_EQ(c.session.Run().status, TransferStatus::BlockTimeout);
        EXPECT_EQ(home.BackupCount(), 1);
        ASSERT_FALSE(c.session.BackupPath().empty());
        EXPECT_EQ(c.ui.messages, std::vector<int>{3009});
        EXPECT_TRUE(Contains(c.ui.details[0], GetLangTextWith(9554, {c.session.BackupPath()}))) << c.ui.details[0];
    }
    { // The line dropped in the middle of the blocks: the same.
        DataHome home;
        CheckBench c(CleanPlan());
        c.session.SetOptions({true, false});
        c.b.radio.AddFault(Fault(SimFault::Kind::Drop, "57", 20));
        EXPECT_EQ(c.session.Run().status, TransferStatus::BlockFault);
        ASSERT_EQ(c.ui.messages.size(), 1u);
        EXPECT_TRUE(Contains(c.ui.details[0], GetLangTextWith(9554, {c.session.BackupPath()}))) << c.ui.details[0];
    }
}

TEST(WriteCheck, CommandLineListsTheProblemsAndWritesOnlyWithForce)
{
    LinkAppDir dir;
    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
    const CliRunner cli(dir);
    if (!cli.Available())
        GTEST_SKIP() << "vpxds-cli not built";
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    dir.WriteFile("vhf.dat", VhfPlan().Text());
    const std::string write = "write '" + dir.File("vhf.dat") + "' --port simulator";

    // Without a terminal: the list, the question answered No, exit 1 and nothing written.
    CliResult r = cli.Run(write + " </dev/null");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(
        Contains(r.err, GetLangText(9620) + "\n" + DescribeWriteProblems(CheckBeforeWrite(VhfPlan(), "33"))))
        << r.err;
    EXPECT_TRUE(Contains(r.err, "Write it anyway? [y/N] n (--force)\n")) << r.err;
    EXPECT_TRUE(Contains(r.err, "error 9627: ")) << r.err;
    EXPECT_FALSE(Contains(r.err, GetLangText(3014))) << r.err;

    // --force answers this question only: the write goes through.
    r = cli.Run(write + " --force </dev/null");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.err, "Channel 3: transmit frequency 154.57000 MHz")) << r.err;
    EXPECT_TRUE(Contains(r.err, "Write it anyway? y (--force)\n")) << r.err;
    EXPECT_TRUE(Contains(r.err, GetLangText(3014))) << r.err;

    // ... never the band question: a file of another band is still refused.
    CodePlug f9(BuildBandImage("F9"));
    StoreSampleChannels(f9, {{446.5, 446.5, "", "", true, true, true}});
    dir.WriteFile("f9.dat", f9.Text());
    r = cli.Run("write '" + dir.File("f9.dat") + "' --port simulator --force </dev/null");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "error 3022")) << r.err;

    // A clean code plug asks nothing.
    dir.WriteFile("clean.dat", CleanPlan().Text());
    r = cli.Run("write '" + dir.File("clean.dat") + "' --port simulator </dev/null");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(Contains(r.err, "[y/N]")) << r.err;
}
