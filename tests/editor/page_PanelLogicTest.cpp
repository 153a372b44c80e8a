// Editor page rules without widgets: what stored bytes select, what selections write back,
// the numeric edits' normalisation and spins, the channel table's cells and the band decisions.
#include <gtest/gtest.h>

#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/ChannelTableLogic.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/PanelLogic.h"
#include "codeplug/PanelReport.h"
#include "codeplug/ToneCodec.h"
#include "editor/BandSelection.h"
#include "page_TestDir.h"

namespace {

CodePlug DefaultImage()
{
    g_nRadioType = 3;
    CodePlug image(BuildBandImage("33"));
    ApplyBand(image.Text());
    return image;
}

std::string Record(const std::string& rx, const std::string& tx, const std::string& decode = "FFFF",
                   const std::string& encode = "FFFF")
{
    // rx, tx: frequency fields; tones: tone fields; wide, high power, 5 kHz steps.
    return rx + tx + decode + encode + "FF" + "31" + "01" + "FF";
}

PanelState Load(const CodePlug& image)
{
    return LoadPanelState(image, g_band.code, ScanChannelsInUse(image));
}

} // namespace

TEST(PagePanelRules, TimeOutByteSelectsEntryAndIsStoredAsIndexPlusOne)
{
    PageTestDir dir;
    CodePlug image = DefaultImage();
    const auto entries = TimeOutEntries();
    ASSERT_EQ(entries.size(), 40u);

    image.WriteByte(Addr::kTimeOut, 0x28);
    PanelState s = Load(image);
    EXPECT_EQ(EntryText(entries, s.timeOut), "600");

    for (int stored : {0x00, 0x29, 0xFF}) {
        image.WriteByte(Addr::kTimeOut, stored);
        EXPECT_EQ(EntryText(entries, Load(image).timeOut), "15") << stored;
    }

    s.timeOut = 39;
    StorePanelState(image, s, g_band.code);
    EXPECT_EQ(image.ReadByte(Addr::kTimeOut), 0x28);
    s.timeOut = 0;
    StorePanelState(image, s, g_band.code);
    EXPECT_EQ(image.ReadByte(Addr::kTimeOut), 0x01);
}

TEST(PagePanelRules, PriorityModeFiltersRevertChannelAndStoresTheRemainingEntry)
{
    PageTestDir dir;
    CodePlug image = DefaultImage();
    auto dataOf = [](const std::vector<ListEntry>& entries) {
        std::vector<int> d;
        for (const auto& e : entries)
            d.push_back(e.data);
        return d;
    };
    EXPECT_EQ(dataOf(RevertEntries(0)), (std::vector<int>{0, 1}));
    EXPECT_EQ(dataOf(RevertEntries(1)), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(dataOf(RevertEntries(2)), (std::vector<int>{2, 3}));

    image.WriteByte(Addr::kPriorityMode, 2);
    image.WriteByte(Addr::kRevertChannel, 1);
    PanelState s = Load(image);
    EXPECT_EQ(s.priorityMode, 2);
    EXPECT_EQ(s.revertData, 2);
    StorePanelState(image, s, g_band.code);
    EXPECT_EQ(image.ReadByte(Addr::kRevertChannel), 2);

    image.WriteByte(Addr::kRevertChannel, 3);
    EXPECT_EQ(Load(image).revertData, 3);

    EXPECT_FALSE(PriorityDependenciesOf(0).priorityChannelEnabled);
    EXPECT_FALSE(PriorityDependenciesOf(0).scanBackEnabled);
    EXPECT_TRUE(PriorityDependenciesOf(1).priorityChannelEnabled);
    EXPECT_TRUE(PriorityDependenciesOf(1).scanBackEnabled);
    EXPECT_FALSE(PriorityDependenciesOf(2).priorityChannelEnabled);
    EXPECT_TRUE(PriorityDependenciesOf(2).scanBackEnabled);
}

TEST(PagePanelRules, ScanBackTextsAreNormalisedAndStoredOnTheRadiosScale)
{
    EXPECT_EQ(NormalizeScanBackText("7"), "5.00");
    EXPECT_EQ(NormalizeScanBackText("0.1"), "0.50");
    EXPECT_EQ(NormalizeScanBackText("2.57"), "2.55");
    EXPECT_EQ(NormalizeScanBackText("2.55"), "2.55"); // not 2.50 through binary rounding
    EXPECT_EQ(NormalizeScanBackText("abc"), "0.50");
    EXPECT_EQ(NormalizeScanBackText("-3"), "0.50");
    EXPECT_EQ(NormalizeScanBackText("nan"), "0.50");
    EXPECT_EQ(NormalizeScanBackText("1.2x"), "1.20");
    EXPECT_EQ(NormalizeScanBackText("99999999999999999999"), "5.00");

    EXPECT_EQ(ScanBackTextFromByte(1), "0.50");
    EXPECT_EQ(ScanBackTextFromByte(91), "5.00");
    EXPECT_EQ(ScanBackTextFromByte(0), "0.50");
    EXPECT_EQ(ScanBackTextFromByte(255), "5.00");
    // Every stored value survives being shown and stored again.
    for (int b = 1; b <= 91; ++b)
        EXPECT_EQ(ScanBackByte(ScanBackTextFromByte(b)), b) << b;
    EXPECT_EQ(ScanBackByte("7"), 91);
    EXPECT_EQ(ScanBackByte("0.1"), 1);
    EXPECT_EQ(ScanBackByte("2.57"), 42);
}

TEST(PagePanelRules, PauseAndDwellTextsAreClampedAndStoredLowByteFirst)
{
    PageTestDir dir;
    EXPECT_EQ(NormalizeSecondsText("abc"), "0");
    EXPECT_EQ(NormalizeSecondsText("999"), "300");
    EXPECT_EQ(NormalizeSecondsText("-5"), "0");
    EXPECT_EQ(NormalizeSecondsText(" 42x"), "42");
    EXPECT_EQ(NormalizeSecondsText("123456789012345678901"), "300");
    EXPECT_EQ(SecondsTextFromValue(0xFFFF), "300");

    CodePlug image = DefaultImage();
    PanelState s = Load(image);
    s.pause = "300";
    s.dwell = "abc";
    StorePanelState(image, s, g_band.code);
    EXPECT_EQ(image.Read(Addr::kTxPause, 2), "2C01");
    EXPECT_EQ(image.Read(Addr::kScanDwell, 2), "0000");
    for (int v = 0; v <= 300; v += 7) {
        image.WriteWordLE(Addr::kTxPause, v);
        EXPECT_EQ(Load(image).pause, std::to_string(v));
    }
}

TEST(PagePanelRules, SpinClicksStepAndWrapAtBothEnds)
{
    EXPECT_EQ(StepScanBackText("2.00", 1), "2.05");
    EXPECT_EQ(StepScanBackText("2.00", -1), "1.95");
    EXPECT_EQ(StepScanBackText("5.00", 1), "0.50");
    EXPECT_EQ(StepScanBackText("0.50", -1), "5.00");
    EXPECT_EQ(StepSecondsText("7", 1), "8");
    EXPECT_EQ(StepSecondsText("300", 1), "0");
    EXPECT_EQ(StepSecondsText("0", -1), "300");
}

TEST(PagePanelRules, ListsWithoutASelectionLeaveTheirBytesAlone)
{
    PageTestDir dir;
    CodePlug image = DefaultImage();
    image.WriteByte(Addr::kSquelch, 12);
    image.WriteByte(Addr::kPriorityMode, 5);
    image.WriteByte(Addr::kVoiceLanguage, 0);
    PanelState s = Load(image);
    EXPECT_EQ(s.squelch, -1);
    EXPECT_EQ(s.priorityMode, -1);
    // The stored "off" of the voice prompt selects "off" and is stored back as it was.
    EXPECT_EQ(EntryText(VoiceLanguageEntries(), s.voiceLanguage), GetLangText(90028));
    StorePanelState(image, s, g_band.code);
    EXPECT_EQ(image.ReadByte(Addr::kSquelch), 12);
    EXPECT_EQ(image.ReadByte(Addr::kPriorityMode), 5);
    EXPECT_EQ(image.ReadByte(Addr::kVoiceLanguage), 0);
    EXPECT_EQ(image.Text().size(), 2048u);

    image.WriteByte(Addr::kVoiceLanguage, 9);
    EXPECT_EQ(Load(image).voiceLanguage, 1);
}

TEST(PagePanelRules, LoadingAndStoringAValidImageChangesNoByte)
{
    PageTestDir dir;
    CodePlug image = DefaultImage();
    image.WriteByte(Addr::kPf1Key, 0);
    image.WriteByte(Addr::kVoiceLanguage, 2);
    image.WriteByte(Addr::kTimeOut, 17);
    image.WriteByte(Addr::kTimeOutPreAlert, 10);
    image.WriteByte(Addr::kSquelch, 9);
    image.WriteByte(Addr::kBatterySave, 1);
    image.WriteByte(Addr::kWiredClone, 1);
    image.WriteByte(Addr::kPriorityMode, 1);
    image.WriteByte(Addr::kPriorityChannel, 1);
    image.WriteByte(Addr::kScanBackA, 91);
    image.WriteByte(Addr::kScanBackB, 42);
    image.WriteByte(Addr::kRevertChannel, 3);
    image.WriteWordLE(Addr::kScanDwell, 299);
    image.WriteWordLE(Addr::kTxPause, 300);
    const std::string before = image.Text();
    StorePanelState(image, Load(image), g_band.code);
    EXPECT_EQ(image.Text(), before);
}

TEST(PagePanelRules, PriorityChannelListHoldsOnlyScanChannelsInUse)
{
    PageTestDir dir;
    CodePlug image = DefaultImage();
    for (int n = 1; n <= 16; ++n) {
        image.Write(Addr::ChannelAddress(n), Record(EncodeFreq(440.0), EncodeFreq(440.0)));
        SetScanFlag(image, n, true);
    }
    image.Write(Addr::ChannelAddress(5), std::string(32, 'F')); // channel 5 empty, scan bit still set
    SetScanFlag(image, 1, false);                               // channel 1 in use, not scanned

    const auto entries = PriorityChannelEntries(ScanChannelsInUse(image));
    ASSERT_EQ(entries.size(), 15u);
    EXPECT_EQ(entries[0].data, 0);
    EXPECT_EQ(entries[0].text, GetLangText(90020));
    EXPECT_EQ(IndexOfData(entries, 5), -1);
    EXPECT_EQ(IndexOfData(entries, 1), -1);
    EXPECT_EQ(entries[1].text, "2");

    // A stored channel that is not a scan channel selects the first entry, never channel 10.
    image.WriteByte(Addr::kPriorityChannel, 1);
    EXPECT_EQ(Load(image).priorityChannelData, 0);
    image.WriteByte(Addr::kPriorityChannel, 10);
    EXPECT_EQ(Load(image).priorityChannelData, 10);
    image.WriteByte(Addr::kPriorityChannel, 17);
    EXPECT_EQ(Load(image).priorityChannelData, 0);
}

TEST(PageTableRules, RowsShowTheChannelRecordsAsThePageDoes)
{
    PageTestDir dir;
    CodePlug image = DefaultImage();
    image.Write(Addr::ChannelAddress(2),
                Record(EncodeFreq(446.00625), "FFFFFFFF", EncodeTone("88.5"), EncodeTone("D023N")));
    image.Write(Addr::ChannelAddress(3), Record(EncodeFreq(350.0), EncodeFreq(480.0), EncodeTone("D754I")));
    image.Write(Addr::ChannelAddress(4), Record("00000000", EncodeFreq(300.0)));
    image.Write(Addr::ChannelAddress(5), std::string(32, 'F'));
    image.Write(Addr::ChannelAddress(6), std::string(32, '0'));
    SetScanFlag(image, 5, true);

    const ChannelCells one = ChannelRowCells(image, 1, g_band);
    EXPECT_EQ(one.text, (std::array<std::string, 8>{"1", "400.00000", "400.00000", GetLangText(90020),
                                                    GetLangText(90020), GetLangText(4047), GetLangText(4049),
                                                    GetLangText(90003)}));

    const ChannelCells noTx = ChannelRowCells(image, 2, g_band);
    EXPECT_EQ(noTx.text[kColRx], "446.00625");
    EXPECT_EQ(noTx.text[kColTx], "");
    EXPECT_EQ(noTx.text[kColDecode], "88.5");
    EXPECT_EQ(noTx.text[kColEncode], ""); // the encode word holds a tone, but nothing is sent
    EXPECT_EQ(noTx.text[kColScan], GetLangText(90004));

    const ChannelCells outside = ChannelRowCells(image, 3, g_band);
    EXPECT_EQ(outside.text[kColDecode], "D754I");
    EXPECT_TRUE(outside.rxRed);
    EXPECT_TRUE(outside.txRed);

    const ChannelCells zeroRx = ChannelRowCells(image, 4, g_band);
    EXPECT_EQ(zeroRx.text[kColRx], "  0.00000");
    EXPECT_FALSE(zeroRx.rxRed); // a receive frequency of 0 is never marked
    EXPECT_TRUE(zeroRx.txRed);
    EXPECT_FALSE(CellOutOfBand("  0.00000", g_band));
    EXPECT_FALSE(CellOutOfBand("", g_band));

    for (int n : {5, 6}) {
        const ChannelCells blank = ChannelRowCells(image, n, g_band);
        EXPECT_EQ(blank.text[kColNumber], std::to_string(n));
        for (int c = 1; c < kTableColumns; ++c)
            EXPECT_EQ(blank.text[static_cast<std::size_t>(c)], "") << n << "/" << c;
    }
}

TEST(PageBandRules, ModelListDecisionsAndNewBandImages)
{
    PageTestDir dir;
    g_nRadioType = 3;
    ASSERT_EQ(ModelListEntries().size(), 1u);
    EXPECT_EQ(ModelListEntries()[0].text, "MX6+ (400-470MHz)");
    EXPECT_EQ(ModelIndexOf("33"), 0);
    EXPECT_EQ(ModelIndexOf("F2"), -1);

    EXPECT_EQ(DecideBandChoice(0, 0, "MX6+ (400-470MHz)"), BandChoice::Nothing);
    EXPECT_EQ(DecideBandChoice(0, -1, "MX6+ (400-470MHz)"), BandChoice::ChangeBand);
    EXPECT_EQ(DecideBandChoice(0, 0, GetLangText(4027)), BandChoice::BandLimitOnCurrent);
    EXPECT_EQ(DecideBandChoice(-1, 0, ""), BandChoice::Nothing);

    EXPECT_EQ(PresetRangeIn("Custom 446-447MHz"), "446-447");
    EXPECT_EQ(PresetRangeIn("350-390 and 146-174"), "146-174");
    EXPECT_EQ(PresetRangeIn("Custom"), "");

    const BandImagePlan standard = PlanBandImage("33", "MX6+ (400-470MHz)");
    EXPECT_FALSE(standard.custom);
    EXPECT_EQ(BuildImageForBand(standard, "33"), BuildBandImage("33"));
    const BandImagePlan preset = PlanBandImage("FF", "Custom 433-447");
    EXPECT_TRUE(preset.custom);
    EXPECT_FALSE(preset.needsBandLimitDialog);
    EXPECT_EQ(CodePlug(BuildImageForBand(preset, "FF")).Read(Addr::kCustomLower, 8), "0000304300007044");
    EXPECT_TRUE(PlanBandImage("FF", "Custom").needsBandLimitDialog);
    g_nRadioType = 1;
    EXPECT_TRUE(PlanBandImage("FC", "Custom").custom);
    EXPECT_FALSE(PlanBandImage("FF", "Custom").custom);
    g_nRadioType = 3;

    // The custom image keeps the 13 limit bytes the band-limit dialog wrote, and nothing else.
    CodePlug edited(BuildBandImage("FF"));
    edited.Write(Addr::kCustomLower, "00000040000070449549FFFF01");
    edited.WriteByte(Addr::kSquelch, 7);
    const CodePlug rebuilt(BuildCustomImageKeepingLimits("FF", edited.Text()));
    EXPECT_EQ(rebuilt.Read(Addr::kCustomLower, 13), "00000040000070449549FFFF01");
    EXPECT_EQ(rebuilt.ReadByte(Addr::kSquelch), CodePlug(BuildBandImage("FF")).ReadByte(Addr::kSquelch));
    EXPECT_EQ(rebuilt.Text().size(), 2048u);
}
