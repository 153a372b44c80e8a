// The alignment-data tables as the technician edits them: what each cell shows, the limits of typed
// values, the headings of the parameter table, and a block that changes only where a cell was edited.
#include <gtest/gtest.h>

#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "service/AlignmentLayout.h"
#include "service/AlignmentTables.h"
#include "tests/service/AlignmentSample.h"

namespace {

constexpr double kLower = 400.0; // band "33"
constexpr double kUpper = 470.0;

AlignmentTables Filled(const std::string& block = SampleAlignmentBlock())
{
    AlignmentTables t;
    t.Fill(block);
    return t;
}

// Byte positions (0-63) where two blocks differ.
std::vector<int> ChangedBytes(const std::string& a, const std::string& b)
{
    std::vector<int> out;
    for (int i = 0; i < 64; ++i)
        if (a.substr(2 * i, 2) != b.substr(2 * i, 2))
            out.push_back(i);
    return out;
}

} // namespace

TEST(AlignmentTables, CellsShowTheBlock)
{
    const AlignmentTables t = Filled();
    EXPECT_EQ(t.FreqText(1, 1), "400.05000");
    EXPECT_EQ(t.FreqText(3, 1), "435.01250");
    EXPECT_EQ(t.FreqText(3, 2), "435.50000");
    EXPECT_EQ(t.FreqText(5, 2), "469.97500");
    // Items 0-20 in row order: battery voltage, reference frequency, five high power, five low power,
    // squelch open wide/narrow, squelch close wide/narrow, five sensitivity.
    EXPECT_EQ(t.ParamText(1, 1), "131");
    EXPECT_EQ(t.ParamText(2, 1), "118");
    EXPECT_EQ(t.ParamText(3, 5), "214");
    EXPECT_EQ(t.ParamText(4, 1), "92");
    EXPECT_EQ(t.ParamText(5, 2), "52");
    EXPECT_EQ(t.ParamText(6, 1), "34");
    EXPECT_EQ(t.ParamText(7, 5), "130");
    EXPECT_EQ(t.ParamText(1, 2), ""); // a column the row does not have
    EXPECT_FALSE(t.CanEditParam(1, 2));
    // The hidden lists: byte 52 (40) and byte 53 (52) are not 0x00, so the second entries.
    EXPECT_EQ(t.CrystalIndex(), 1);
    EXPECT_EQ(t.VoiceChipIndex(), 1);

    // A test point of eight FF bytes is not filled in; half a row shows its one frequency.
    std::string block = SampleAlignmentBlock();
    block.replace(0, 16, std::string(16, 'F'));
    block.replace(2 * 12, 8, "FFFFFFFF");
    block.replace(2 * 52, 4, "0000");
    const AlignmentTables u = Filled(block);
    EXPECT_EQ(u.FreqText(1, 1), "");
    EXPECT_EQ(u.FreqText(1, 2), "");
    EXPECT_FALSE(u.CanEditFreq(1, 1));
    EXPECT_EQ(u.FreqText(2, 1), "415.12500");
    EXPECT_EQ(u.FreqText(2, 2), "");
    EXPECT_EQ(u.CrystalIndex(), 0);
    EXPECT_EQ(u.VoiceChipIndex(), 0);

    AlignmentTables cleared = Filled();
    cleared.Clear();
    EXPECT_FALSE(cleared.Filled());
    EXPECT_EQ(cleared.ParamText(1, 1), "");
    EXPECT_EQ(cleared.FreqText(1, 1), "");
    EXPECT_FALSE(cleared.CommitParam(1, 1, "5"));
    EXPECT_EQ(cleared.CrystalIndex(), -1);
}

TEST(AlignmentTables, TypedParametersStayWithinAByte)
{
    AlignmentTables t = Filled();
    const std::pair<const char*, const char*> cases[] = {
        {"300", "255"}, {"-5", "0"}, {"255", "255"}, {"0", "0"}, {"12.7", "12"}, {" 7 ", "7"}, {"+9", "9"}};
    for (const auto& [typed, shown] : cases) {
        EXPECT_TRUE(t.CommitParam(3, 2, typed)) << typed;
        EXPECT_EQ(t.ParamText(3, 2), shown) << typed;
    }
    // Nothing typed, or no number: the cell keeps its value.
    for (const char* typed : {"", "  ", "abc", "12x", "1e3"}) {
        EXPECT_FALSE(t.CommitParam(3, 2, typed)) << typed;
        EXPECT_EQ(t.ParamText(3, 2), "9") << typed;
    }
    EXPECT_FALSE(t.CommitParam(5, 3, "1")); // squelch rows have two columns
    EXPECT_EQ(t.ParamText(5, 3), "");
}

TEST(AlignmentTables, TypedFrequenciesStayWithinTheWidenedBand)
{
    AlignmentTables t = Filled();
    EXPECT_TRUE(t.CommitFreq(2, 1, "340", kLower, kUpper)); // 60 MHz below the lower limit
    EXPECT_EQ(t.FreqText(2, 1), "350.00000");
    EXPECT_TRUE(t.CommitFreq(2, 1, "349.99", kLower, kUpper));
    EXPECT_EQ(t.FreqText(2, 1), "350.00000");
    EXPECT_TRUE(t.CommitFreq(2, 1, "350.00001", kLower, kUpper));
    EXPECT_EQ(t.FreqText(2, 1), "350.00001");
    EXPECT_TRUE(t.CommitFreq(2, 2, "600", kLower, kUpper));
    EXPECT_EQ(t.FreqText(2, 2), "520.00000");
    EXPECT_TRUE(t.CommitFreq(2, 2, "433.1234567", kLower, kUpper));
    EXPECT_EQ(t.FreqText(2, 2), "433.12346");
    EXPECT_EQ(t.FreqText(2, 1), "350.00001"); // the partner held a value: it keeps it

    EXPECT_FALSE(t.CommitFreq(2, 2, "4x5", kLower, kUpper));
    EXPECT_EQ(t.FreqText(2, 2), "433.12346");

    // Emptying one frequency empties the row; an empty row cannot be edited.
    EXPECT_TRUE(t.CommitFreq(4, 2, "", kLower, kUpper));
    EXPECT_EQ(t.FreqText(4, 1), "");
    EXPECT_EQ(t.FreqText(4, 2), "");
    EXPECT_FALSE(t.CommitFreq(4, 1, "450", kLower, kUpper));

    // Half a row from the radio: entering its frequency fills the empty partner with the same value.
    std::string block = SampleAlignmentBlock();
    block.replace(2 * 20, 8, "FFFFFFFF"); // test point 3, transmit
    AlignmentTables u = Filled(block);
    ASSERT_EQ(u.FreqText(3, 2), "");
    EXPECT_TRUE(u.CommitFreq(3, 1, "436.5", kLower, kUpper));
    EXPECT_EQ(u.FreqText(3, 1), "436.50000");
    EXPECT_EQ(u.FreqText(3, 2), "436.50000");
    EXPECT_EQ(u.Build().substr(2 * 16, 16), EncodeFreq(436.5) + EncodeFreq(436.5));
}

TEST(AlignmentTables, HeadingsFollowTheClickedRow)
{
    using Headings = std::array<int, kParamColumns>;
    const Headings c = {90018, 7006, 90038, 7007, 90017}; // the five test points
    const Headings b = {4047, 4048, 0, 0, 0};             // wide, narrow
    const Headings a = {90038, 0, 0, 0, 0};               // one value
    const Headings expected[] = {a, a, a, c, c, b, b, c}; // rows 0 (the heading row) to 7
    for (int row = 0; row <= kParamRows; ++row)
        EXPECT_EQ(ParamHeadings(LayoutForRow(row)), expected[row]) << "row " << row;
    // Each row has as many value columns as its layout has headings.
    for (int row = 1; row <= kParamRows; ++row) {
        const Headings h = ParamHeadings(LayoutForRow(row));
        EXPECT_EQ(ParamRowColumns(row),
                  static_cast<int>(std::count_if(h.begin(), h.end(), [](int n) { return n != 0; })))
            << "row " << row;
    }
}

TEST(AlignmentTables, OnlyEditedCellsChangeTheBlock)
{
    // Unedited, every block comes back as it was, whatever its bytes (also ones no frequency has).
    for (int seed = 0; seed < 256; seed += 17) {
        std::string block;
        for (int i = 0; i < 64; ++i)
            block += IntToHex((seed + 37 * i) & 0xFF, 1);
        EXPECT_EQ(Filled(block).Build(), block) << seed;
    }
    const std::string sample = SampleAlignmentBlock();
    EXPECT_EQ(Filled().Build(), sample);

    // Each parameter cell is its own byte: items 0-20 at bytes 40-60, nothing else moves.
    int expectedByte = 40;
    for (int row = 1; row <= kParamRows; ++row) {
        for (int col = 1; col <= ParamRowColumns(row); ++col, ++expectedByte) {
            AlignmentTables t = Filled();
            ASSERT_TRUE(t.CommitParam(row, col, "3"));
            const std::string built = t.Build();
            EXPECT_EQ(ChangedBytes(sample, built), std::vector<int>{expectedByte}) << row << "," << col;
            EXPECT_EQ(built.substr(2 * expectedByte, 2), "03");
        }
    }
    EXPECT_EQ(expectedByte, kFirstUnshownByte);

    // Typing back the value a cell showed changes nothing.
    AlignmentTables same = Filled();
    ASSERT_TRUE(same.CommitParam(7, 3, "125"));
    ASSERT_TRUE(same.CommitFreq(3, 2, "435.5", kLower, kUpper));
    EXPECT_EQ(same.Build(), sample);

    // A frequency changes its own four bytes; an emptied row becomes FF; bytes 61-63 always stay.
    AlignmentTables t = Filled();
    ASSERT_TRUE(t.CommitFreq(5, 1, "462.5625", kLower, kUpper));
    ASSERT_TRUE(t.CommitFreq(1, 1, "", kLower, kUpper));
    const std::string built = t.Build();
    EXPECT_EQ(built.substr(2 * 32, 8), EncodeFreq(462.5625));
    EXPECT_EQ(built.substr(0, 16), std::string(16, 'F'));
    std::vector<int> expected = {0, 1, 2, 3, 4, 5, 6, 7, 32, 33, 34, 35};
    std::vector<int> changed = ChangedBytes(sample, built);
    // Digits the new frequency shares with the old one need not change.
    for (int byte : changed)
        EXPECT_NE(std::find(expected.begin(), expected.end(), byte), expected.end()) << byte;
    EXPECT_EQ(built.substr(2 * 61), "5AC300");
}
