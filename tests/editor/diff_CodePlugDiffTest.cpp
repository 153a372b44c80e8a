// Differences of two code plugs as a user reads them: exactly the setting and the channel that were
// changed, in the page's captions and cell texts, and every other differing byte with its address;
// nothing that differs is ever left out, and equal code plugs show nothing.
#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/CodePlugDiff.h"
#include "codeplug/DiffText.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/ToneCodec.h"
#include "tests/support/TestAppDir.h"

namespace {

class DiffTexts : public TestAppDir {
public:
    explicit DiffTexts(int language = kLangEnglish) : TestAppDir("vpx-diff-", Texts::Project)
    {
        g_nLanguage = language;
    }
};

// A band-33 code plug with channel 3 on 435.125 MHz (67.0 both ways, wide, high power, scan) and
// squelch level 3.
CodePlug Base()
{
    CodePlug image(BuildBandImage("33"));
    image.Write(Addr::ChannelAddress(3), EncodeFreq(435.125) + EncodeFreq(435.125) + EncodeTone("67.0") +
                                             EncodeTone("67.0") + "FF3101FF");
    image.WriteByte(Addr::kScanFlags, image.ReadByte(Addr::kScanFlags) | 0x04);
    image.WriteByte(Addr::kSquelch, 3);
    return image;
}

std::vector<std::string> Keys(const std::vector<CellChange>& cells)
{
    std::vector<std::string> out;
    for (const CellChange& c : cells)
        out.push_back(c.key);
    return out;
}

std::vector<int> Addresses(const CodePlugDiff& d)
{
    std::vector<int> out;
    for (const ByteChange& b : d.otherBytes)
        out.push_back(b.address);
    return out;
}

} // namespace

TEST(CodePlugDiff, ListsExactlyTheChangedSettingChannelAndBytes)
{
    DiffTexts texts;
    const CodePlug before = Base();
    EXPECT_TRUE(DiffCodePlugs(before, before).Equal());
    EXPECT_TRUE(DiffLines(DiffCodePlugs(before, before)).empty());

    CodePlug after = before;
    after.WriteByte(Addr::kSquelch, 5);
    after.Write(Addr::ChannelAddress(3), EncodeFreq(435.0)); // the receive frequency only
    after.WriteByte(Addr::kScanFlags, after.ReadByte(Addr::kScanFlags) & ~0x04);
    after.WriteByte(0x0300, 0x12);
    after.WriteByte(0x03E1, 0x00);
    after.WriteByte(0x03E2, 0x00);

    const CodePlugDiff d = DiffCodePlugs(before, after);
    EXPECT_FALSE(d.Equal());
    EXPECT_FALSE(d.band);
    ASSERT_EQ(d.settings.size(), 1u);
    EXPECT_EQ(d.settings[0].key, "squelch");
    EXPECT_EQ(d.settings[0].caption, GetLangText(4010));
    EXPECT_EQ(d.settings[0].before, "3");
    EXPECT_EQ(d.settings[0].after, "5");
    ASSERT_EQ(d.channels.size(), 1u);
    EXPECT_EQ(d.channels[0].channel, 3);
    EXPECT_EQ(Keys(d.channels[0].cells), (std::vector<std::string>{"rx", "scan"}));
    EXPECT_EQ(d.channels[0].cells[0].before, "435.12500");
    EXPECT_EQ(d.channels[0].cells[0].after, "435.00000");
    EXPECT_EQ(d.channels[0].cells[1].before, GetLangText(90003));
    EXPECT_EQ(d.otherBytes.size(), 3u);
    EXPECT_EQ(Addresses(d), (std::vector<int>{0x0300, 0x03E1, 0x03E2}));
    EXPECT_EQ(d.otherBytes[0].before, before.ReadByte(0x0300));
    EXPECT_EQ(d.otherBytes[0].after, 0x12);

    // The lines a user reads, in the page's English captions and cell texts.
    const std::vector<std::string> lines = DiffLines(d);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Squelch level: 3 \u2192 5");
    EXPECT_EQ(lines[1], "Channel 3: RX Freq (MHz) 435.12500 \u2192 435.00000; Scan Yes \u2192 No");
    EXPECT_EQ(lines[2], "Other bytes: 3 (0x0300, 0x03E1-0x03E2)");
}

TEST(CodePlugDiff, NoDifferingByteGoesUnmentioned)
{
    DiffTexts texts;
    const CodePlug before = Base();
    { // The PF1 key always shows its first entry: its byte counts among the other bytes.
        CodePlug after = before;
        after.WriteByte(Addr::kPf1Key, 4);
        const CodePlugDiff d = DiffCodePlugs(before, after);
        EXPECT_TRUE(d.settings.empty());
        EXPECT_EQ(Addresses(d), std::vector<int>{Addr::kPf1Key});
    }
    { // A channel's step-class byte shows in no cell.
        CodePlug after = before;
        after.WriteByte(Addr::ChannelAddress(3) + 14, 0x00);
        const CodePlugDiff d = DiffCodePlugs(before, after);
        EXPECT_TRUE(d.channels.empty());
        EXPECT_EQ(Addresses(d), std::vector<int>{Addr::ChannelAddress(3) + 14});
    }
    { // The scan bit of an empty channel shares its byte with channel 3's: only it makes the byte other.
        CodePlug after = before;
        after.WriteByte(Addr::kScanFlags, before.ReadByte(Addr::kScanFlags) ^ 0x20); // channel 6, empty
        EXPECT_EQ(Addresses(DiffCodePlugs(before, after)), std::vector<int>{Addr::kScanFlags});
        after.WriteByte(Addr::kScanFlags, before.ReadByte(Addr::kScanFlags) ^ 0x04); // channel 3 alone
        const CodePlugDiff d = DiffCodePlugs(before, after);
        EXPECT_TRUE(d.otherBytes.empty());
        ASSERT_EQ(d.channels.size(), 1u);
        EXPECT_EQ(Keys(d.channels[0].cells), std::vector<std::string>{"scan"});
    }
    { // A time-out byte that selects the same first entry as before (0 and 0x29 both show 15).
        CodePlug a = before;
        CodePlug b = before;
        a.WriteByte(Addr::kTimeOut, 0x00);
        b.WriteByte(Addr::kTimeOut, 0x29);
        const CodePlugDiff d = DiffCodePlugs(a, b);
        EXPECT_TRUE(d.settings.empty());
        EXPECT_EQ(Addresses(d), std::vector<int>{Addr::kTimeOut});
    }
    { // A channel removed: every cell it showed, blank afterwards.
        CodePlug after = before;
        after.Write(Addr::ChannelAddress(3), std::string(32, 'F'));
        const CodePlugDiff d = DiffCodePlugs(before, after);
        ASSERT_EQ(d.channels.size(), 1u);
        EXPECT_EQ(d.channels[0].cells.size(), 7u);
        EXPECT_TRUE(d.otherBytes.empty());
        EXPECT_NE(DiffLines(d)[0].find("435.12500 \u2192 (empty)"), std::string::npos);
    }
}

TEST(CodePlugDiff, BandChangeNamesTheBandAndTheModel)
{
    DiffTexts texts;
    const CodePlug a(BuildBandImage("33"));
    CodePlug b = a;
    b.Write(Addr::kModelBlock, CodePlug(BuildBandImage("F9")).Read(Addr::kModelBlock, 8));
    const CodePlugDiff d = DiffCodePlugs(a, b);
    ASSERT_TRUE(d.band);
    EXPECT_EQ(d.band->before, "33 (400.00000 - 470.00000 MHz)");
    EXPECT_EQ(d.band->after, "F9 (445.00000 - 448.00000 MHz)");
    ASSERT_EQ(d.settings.size(), 1u);
    EXPECT_EQ(d.settings[0].key, "model");
    EXPECT_TRUE(d.otherBytes.empty());
    EXPECT_EQ(DiffLines(d)[0], "Band: 33 (400.00000 - 470.00000 MHz) \u2192 F9 (445.00000 - 448.00000 MHz)");

    // The custom band's limits live at 0x0350: a change there is the band's, not other bytes.
    CodePlug c = a;
    c.Write(Addr::kModelBlock, a.Read(Addr::kModelBlock, 5) + "FF" + a.Read(Addr::kModelBlock + 6, 2));
    c.Write(Addr::kCustomLower, EncodeFreq(433.0) + EncodeFreq(447.0));
    CodePlug e = c;
    e.Write(Addr::kCustomUpper, EncodeFreq(446.0));
    const CodePlugDiff custom = DiffCodePlugs(c, e);
    ASSERT_TRUE(custom.band);
    EXPECT_EQ(custom.band->after, "FF (433.00000 - 446.00000 MHz)");
    EXPECT_TRUE(custom.otherBytes.empty());
}

TEST(CodePlugDiff, SummaryKeepsTheFirstLinesAndCountsTheRest)
{
    DiffTexts texts;
    const CodePlug a(BuildBandImage("33"));
    CodePlug b = a;
    for (int n = 1; n <= 8; ++n)
        b.Write(Addr::ChannelAddress(n), EncodeFreq(430.0 + n) + EncodeFreq(430.0 + n) + "FFFFFFFFFF3101FF");
    const std::string summary = DiffSummary(DiffCodePlugs(a, b), 6);
    EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 6);
    EXPECT_EQ(summary.find("Channel 1: "), 0u);
    EXPECT_NE(summary.find("Channel 6: "), std::string::npos);
    EXPECT_EQ(summary.find("Channel 7: "), std::string::npos);
    EXPECT_EQ(summary.substr(summary.rfind('\n') + 1), "... and 2 more differences");

    // Long runs of bytes: neighbours as one range, and no endless line.
    std::vector<ByteChange> bytes;
    for (int address : {0x0300, 0x0301, 0x0302, 0x0310})
        bytes.push_back({address, 0, 1});
    EXPECT_EQ(AddressRanges(bytes, 8), "0x0300-0x0302, 0x0310");
    for (int i = 0; i < 20; ++i)
        bytes.push_back({0x0320 + 2 * i, 0, 1});
    EXPECT_EQ(AddressRanges(bytes, 3), "0x0300-0x0302, 0x0310, 0x0320, ...");
}

TEST(CodePlugDiff, ChineseTextsOfThePage)
{
    DiffTexts texts(kLangChinese);
    CodePlug after = Base();
    after.WriteByte(Addr::kSquelch, 5);
    after.WriteByte(0x0300, 0x12);
    const std::vector<std::string> lines = DiffLines(DiffCodePlugs(Base(), after));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], GetLangText(4010) + ": 3 \u2192 5");
    EXPECT_EQ(lines[1], "其他字节：1个（0x0300）");
}
