// Channel-editor rules without widgets: the frequency rule, enable rules, tone rule, delete all.
#include <gtest/gtest.h>

#include <cmath>

#include "app/Settings.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/ToneCodec.h"
#include "editor/ChannelRules.h"
#include "chanedit_TestDir.h"

namespace {
std::string Norm(const std::string& text, const std::string& band = "33")
{
    int stepClass = -1;
    const std::string mhz = NormalizeFreqText(text, band, stepClass);
    return mhz + "/" + std::to_string(stepClass);
}
} // namespace

TEST(ChanEditFrequencyRule, SnapsToTheNearerGridAndGivesTheStepClass)
{
    EXPECT_EQ(Norm("435.123"), "435.12000/0"); // 435.11875 on the 6.25 kHz grid is farther away
    EXPECT_EQ(Norm("446.00625"), "446.00625/1");
    EXPECT_EQ(Norm("446.010"), "446.01000/0");
    EXPECT_EQ(Norm("446.025"), "446.02500/1"); // on both grids: the 6.25 kHz class wins
    EXPECT_EQ(Norm("  462.5625  "), "462.56250/1");
    EXPECT_EQ(Norm("146.013"), "146.01250/1");
}

TEST(ChanEditFrequencyRule, ClampsToTheRadiosRangeAndToleratesNonsense)
{
    // 100 and 999 MHz lie on both grids, so both take the 6.25 kHz class.
    EXPECT_EQ(Norm("50"), "100.00000/1");
    EXPECT_EQ(Norm("1200"), "999.00000/1");
    EXPECT_EQ(Norm("abc"), "100.00000/1");
    EXPECT_EQ(Norm("-435"), "100.00000/1");
    EXPECT_EQ(Norm("inf"), "100.00000/1");
    EXPECT_EQ(Norm("nan"), "100.00000/1");
    EXPECT_EQ(Norm("999.0049"), "999.00000/1");
    EXPECT_EQ(Norm("99.99"), "100.00000/1");
}

TEST(ChanEditFrequencyRule, BandF9OffersOnlyItsEightChannels)
{
    EXPECT_EQ(Norm("446.09375", "F9"), "446.09375/1"); // channel 8 kept
    EXPECT_EQ(Norm("446.01875", "F9"), "446.01875/1"); // channel 2 kept
    EXPECT_EQ(Norm("3", "F9"), "446.03125/1");         // channel number 3
    EXPECT_EQ(Norm("8.9", "F9"), "446.09375/1");       // integer part 8
    EXPECT_EQ(Norm("9", "F9"), "446.00625/1");
    EXPECT_EQ(Norm("446.1", "F9"), "446.00625/1");
    EXPECT_EQ(Norm("0.5", "F9"), "446.00625/1");
    // Every result of the rule is one of the eight channels.
    for (int typed = 0; typed <= 20; ++typed) {
        int c = 0;
        const double f = std::stod(NormalizeFreqText(std::to_string(typed), "F9", c));
        bool found = false;
        for (int k = 0; k < 8; ++k) {
            found = found || std::abs(f - F9ChannelFrequency(k)) < 1e-9;
        }
        EXPECT_TRUE(found) << typed;
    }
}

TEST(ChanEditFrequencyRule, OutOfBandColouring)
{
    EXPECT_FALSE(FreqTextOutOfBand("", 400, 470));
    EXPECT_FALSE(FreqTextOutOfBand("   ", 400, 470));
    EXPECT_FALSE(FreqTextOutOfBand("400.00000", 400, 470));
    EXPECT_FALSE(FreqTextOutOfBand("470.00000", 400, 470));
    EXPECT_TRUE(FreqTextOutOfBand("399.99500", 400, 470));
    EXPECT_TRUE(FreqTextOutOfBand("470.00500", 400, 470));
}

TEST(ChanEditEnableRules, FollowTheTwoFrequencyTexts)
{
    ChannelEnableState s = ComputeEnableState("435.123", "435.12000", "33");
    EXPECT_TRUE(s.channelUsed);
    EXPECT_TRUE(s.transmits);
    EXPECT_TRUE(s.txEditEnabled);
    EXPECT_EQ(s.rxText, "435.12000");

    s = ComputeEnableState("435.12000", "  ", "33");
    EXPECT_TRUE(s.channelUsed);
    EXPECT_FALSE(s.transmits);
    EXPECT_FALSE(s.txEditEnabled);
    EXPECT_EQ(s.txText, "");

    s = ComputeEnableState("   ", "435.12000", "33");
    EXPECT_FALSE(s.channelUsed);
    EXPECT_FALSE(s.transmits);
    EXPECT_EQ(s.rxText, "");
    EXPECT_EQ(s.txText, "");
}

TEST(ChanEditToneRule, StrictAndIllegalModes)
{
    ChanEditTestDir dir;
    const std::vector<std::string> entries = BuildToneList(0);
    ASSERT_EQ(entries.size(), 205u);

    // Without the setting only list entries are possible.
    EXPECT_EQ(ApplyToneRule("d0", entries).selectedIndex, 1 + 38); // D023N
    EXPECT_EQ(ApplyToneRule("66", entries).selectedIndex, 0);
    EXPECT_EQ(ApplyToneRule("88.5", entries).text, "88.5");

    dir.AllowIllegalTones();
    auto text = [&](const std::string& typed) {
        const ToneTextResult r = ApplyToneRule(typed, entries);
        return r.selectedIndex >= 0 ? entries[static_cast<std::size_t>(r.selectedIndex)] : r.text;
    };
    EXPECT_EQ(text("d18"), "D017N");
    EXPECT_EQ(text("66"), "67.0");
    EXPECT_EQ(text("300"), "254.1");
    EXPECT_EQ(text("100.25"), "100.2");
    EXPECT_EQ(text("55"), "67.0");

    dir.WriteFile(kMarkerLowCtcss, "");
    EXPECT_EQ(text("55"), "55.0");
    EXPECT_EQ(text("40"), "50.0");
}

TEST(ChanEditDeleteAll, ClearsChannelsAndTheTailOnly)
{
    CodePlug image(BuildBandImage("33"));
    const std::string before = image.Text();
    DeleteAllChannels(image);
    ASSERT_EQ(image.Text().size(), 2048u);
    EXPECT_EQ(image.Read(Addr::kChannels, 256), std::string(512, 'F'));
    EXPECT_EQ(image.Read(0x0360, 0x0400 - 0x0360), std::string(2 * (0x0400 - 0x0360), '0'));
    // Everything else is untouched: the record before the table, settings, scan flags, model block.
    EXPECT_EQ(image.Text().substr(0, 0x0010 * 2), before.substr(0, 0x0010 * 2));
    EXPECT_EQ(image.Text().substr(0x0110 * 2, (0x0360 - 0x0110) * 2),
              before.substr(0x0110 * 2, (0x0360 - 0x0110) * 2));
}
