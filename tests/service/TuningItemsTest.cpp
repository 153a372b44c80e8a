// The tuning items as the technician reads them: names in both languages, the test point whose
// frequency each item shows, and the alignment block's values and frequencies.
#include <gtest/gtest.h>

#include "TuningTestSupport.h"
#include "app/AppState.h"
#include "codeplug/HexText.h"
#include "service/TuningItems.h"
#include "tests/support/TestAppDir.h"

TEST(TuningItems, NamesAndTestPointsOfEveryItem)
{
    TestAppDir dir("vpx-tuning-", TestAppDir::Texts::Project);
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    struct Row {
        int item;
        const char* name;
        int point;
        bool receive;
        TuningItemKind kind;
    };
    const Row rows[] = {
        {0, "Battery voltage", 2, true, TuningItemKind::LiveValue},
        {1, "Reference frequency", 2, false, TuningItemKind::Adjustable},
        {2, "High power (low)", 0, false, TuningItemKind::Adjustable},
        {5, "High power (mid-high)", 3, false, TuningItemKind::Adjustable},
        {6, "High power (high)", 4, false, TuningItemKind::Adjustable},
        {8, "Low power (low-mid)", 1, false, TuningItemKind::Adjustable},
        {11, "Low power (high)", 4, false, TuningItemKind::Adjustable},
        {12, "Squelch open (wide)", 2, false, TuningItemKind::InspectionOnly},
        {13, "Squelch open (narrow)", 2, false, TuningItemKind::InspectionOnly},
        {14, "Squelch close (wide)", 2, false, TuningItemKind::InspectionOnly},
        {15, "Squelch close (narrow)", 2, false, TuningItemKind::InspectionOnly},
        {16, "Sensitivity (low) (narrow)", 0, true, TuningItemKind::Sensitivity},
        {18, "Sensitivity (mid) (narrow)", 2, true, TuningItemKind::Sensitivity},
        {20, "Sensitivity (high) (narrow)", 4, true, TuningItemKind::Sensitivity},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.item);
        EXPECT_EQ(TuningItemName(r.item), r.name);
        EXPECT_EQ(TestPointOf(TuningItemName(r.item)), r.point);
        EXPECT_EQ(ShowsReceiveFrequency(r.item), r.receive);
        EXPECT_EQ(ItemKind(r.item), r.kind);
    }
    EXPECT_EQ(TuningItemName(21), "");
    EXPECT_EQ(FrequencyLabelText(4020), "RX Freq: "); // the unit has a label of its own
    EXPECT_EQ(FrequencyLabelText(4021), "TX Freq: ");

    // Chinese names are composed the same way, and every item has a name of its own.
    g_nLanguage = kLangChinese;
    ResetLangTextCache();
    EXPECT_EQ(TuningItemName(7), "低功率(低端)");
    EXPECT_EQ(TuningItemName(19), "灵敏度(中高)(窄带)");
    EXPECT_EQ(TestPointOf(TuningItemName(19)), 3);
    for (int a = 0; a < kTuningItems; ++a)
        for (int b = a + 1; b < kTuningItems; ++b)
            EXPECT_NE(TuningItemName(a), TuningItemName(b)) << a << " " << b;
}

TEST(TuningItems, BlockValuesAndFrequencies)
{
    TuningBlock block(SampleAlignmentBlock());
    ASSERT_TRUE(block.IsValid());
    for (int k = 0; k < kTuningItems; ++k)
        EXPECT_EQ(block.ItemValue(k), 0x60 + 4 * k);
    EXPECT_EQ(block.ReceiveText(0), "400.02500");
    EXPECT_EQ(block.TransmitText(4), "469.95000");

    block.SetItemValue(20, 0);
    block.SetItemValue(3, 255);
    block.SetItemValue(4, 256); // out of range: no change
    block.SetItemValue(21, 7);  // no such item: bytes 61-63 stay
    EXPECT_EQ(block.ItemValue(20), 0);
    EXPECT_EQ(block.ItemValue(3), 255);
    EXPECT_EQ(block.ItemValue(4), 0x60 + 16);
    EXPECT_EQ(block.Hex().substr(2 * 61), "FFFFFF");
    EXPECT_EQ(block.Hex().size(), 128u);

    // An unset test point shows no frequency; a block of the wrong length is no block.
    TuningBlock unset(RepeatFill("FF", 128));
    EXPECT_EQ(unset.ReceiveText(2), "");
    EXPECT_EQ(unset.ItemValue(0), 255);
    EXPECT_FALSE(TuningBlock(SampleAlignmentBlock().substr(2)).IsValid());
    EXPECT_FALSE(TuningBlock(std::string(128, 'G')).IsValid());
    EXPECT_EQ(TuningBlock().ItemValue(0), -1);
}
