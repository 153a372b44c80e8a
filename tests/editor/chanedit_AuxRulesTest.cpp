// Rules of the auxiliary editors without widgets: band-limit corrections and fields, the
// test-frequency table and its commit rule, the embedded-message lines.
#include <gtest/gtest.h>

#include "codeplug/AddressMap.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/BandLimitRules.h"
#include "editor/EmbeddedMessage.h"
#include "editor/TestFreqTable.h"

TEST(ChanEditBandLimits, LowestFrequencyCorrections)
{
    BandLimitValues v{"400", "480.00000", "", false};
    CorrectLowerLimit(v);
    EXPECT_EQ(v.lower, "400.00000");
    EXPECT_EQ(v.upper, "470.00000"); // at most 70 MHz above the lowest
    EXPECT_EQ(v.ifText, "50.00");    // empty intermediate frequency filled in

    v = {"50", "480.00000", "45.00", false};
    CorrectLowerLimit(v);
    EXPECT_EQ(v.lower, "100.00000");
    EXPECT_EQ(v.upper, "170.00000");
    EXPECT_EQ(v.ifText, "45.00");

    v = {"435.123", "420", "45.00", false};
    CorrectLowerLimit(v);
    EXPECT_EQ(v.lower, "435.12000"); // snapped to the channel grid
    EXPECT_EQ(v.upper, "435.12000"); // the highest is never below the lowest

    v = {"2000", "", "1", false};
    CorrectLowerLimit(v);
    EXPECT_EQ(v.lower, "999.99500");
    EXPECT_EQ(v.upper, "999.99500");

    v = {"950", "990", "1", false};
    CorrectLowerLimit(v);
    EXPECT_EQ(v.upper, "990.00000");
    v = {"960", "1500", "1", false};
    CorrectLowerLimit(v);
    EXPECT_EQ(v.upper, "999.99500"); // lowest + 70 would pass the radio's highest limit
}

TEST(ChanEditBandLimits, HighestFrequencyCorrections)
{
    BandLimitValues v{"400.00000", "300", "45.00", false};
    CorrectUpperLimit(v);
    EXPECT_EQ(v.upper, "300.00000");
    EXPECT_EQ(v.lower, "300.00000");

    v = {"300.00000", "480", "45.00", false};
    CorrectUpperLimit(v);
    EXPECT_EQ(v.upper, "480.00000");
    EXPECT_EQ(v.lower, "410.00000"); // at most 70 MHz below the highest

    v = {"", "50", "", false};
    CorrectUpperLimit(v);
    EXPECT_EQ(v.upper, "100.00000");
    EXPECT_EQ(v.lower, "100.00000"); // pulled up, but never below the radio's lowest limit
    EXPECT_EQ(v.ifText, "");         // only leaving the lowest fills the intermediate frequency
}

TEST(ChanEditBandLimits, IntermediateFrequency)
{
    BandLimitValues v{"", "", "123.4", false};
    CorrectIntermediateFreq(v);
    EXPECT_EQ(v.ifText, "99.99");
    v.ifText = "-3";
    CorrectIntermediateFreq(v);
    EXPECT_EQ(v.ifText, " 0.00");
    v.ifText = "5.5";
    CorrectIntermediateFreq(v);
    EXPECT_EQ(v.ifText, " 5.50");

    EXPECT_EQ(EncodeIntermediateFreq(45.0), "0045");
    EXPECT_EQ(EncodeIntermediateFreq(49.95), "9549");
    EXPECT_EQ(EncodeIntermediateFreq(5.5), "5005"); // four digits even below 10 MHz
    EXPECT_EQ(EncodeIntermediateFreq(120.0), "FFFF");
    EXPECT_EQ(DecodeIntermediateFreq("9549"), "49.95");
    EXPECT_EQ(DecodeIntermediateFreq("FFFF"), "");
}

TEST(ChanEditBandLimits, WrittenFieldsReadBackAndSelectTheCustomBand)
{
    CodePlug image(BuildBandImage("33"));
    EXPECT_EQ(ReadBandLimits(image).lower, ""); // unset limits show empty edits

    const BandLimitValues v{"400.00000", "447.00000", "45.00", true};
    WriteBandLimits(image, v, "FF");
    EXPECT_EQ(image.Read(Addr::kCustomLower, 4), "00000040");
    EXPECT_EQ(image.Read(Addr::kCustomUpper, 4), "00007044");
    EXPECT_EQ(image.Read(Addr::kCustomIf, 2), "0045");
    EXPECT_EQ(image.ReadByte(Addr::kCustomHighLo), 1);
    EXPECT_EQ(image.Read(Addr::kModelBlock, 8), GetModelHead(0, 1) + "FFF8FF");

    const BandLimitValues back = ReadBandLimits(image);
    EXPECT_EQ(back.lower, "400.00000");
    EXPECT_EQ(back.upper, "447.00000");
    EXPECT_EQ(back.ifText, "45.00");
    EXPECT_TRUE(back.highSideLo);

    // The band that follows is the custom band with these limits.
    const BandState saved = g_band;
    ApplyBand(image.Text());
    EXPECT_EQ(g_band.code, "FF");
    EXPECT_DOUBLE_EQ(g_band.lower, 400.0);
    EXPECT_DOUBLE_EQ(g_band.upper, 447.0);

    // The highest limit the dialog lets through is stored, not turned into "no frequency".
    WriteBandLimits(image, {"930.00000", "999.99500", "45.00", false}, "FF");
    EXPECT_EQ(image.Read(Addr::kCustomUpper, 4), "00959999");
    EXPECT_EQ(ReadBandLimits(image).upper, "999.99500");
    ApplyBand(image.Text());
    EXPECT_NEAR(g_band.upper, 999.995, 1e-9);
    g_band = saved;
}

TEST(ChanEditTestFreqs, BandDefaultsAreReadable)
{
    const TestFreqTable t33 = ReadTestFreqTable(CodePlug(BuildBandImage("33")));
    EXPECT_EQ(t33[0].rx, "420.00000");
    EXPECT_EQ(t33[0].tx, "420.12500");
    EXPECT_EQ(t33[1].rx, "445.00000");
    EXPECT_EQ(t33[1].tx, "445.12500");
    EXPECT_EQ(t33[2].rx, "470.00000");
    EXPECT_EQ(t33[2].tx, "469.97500");
    for (std::size_t i = 3; i < t33.size(); ++i) {
        EXPECT_TRUE(t33[i].IsBlank()) << i;
    }

    // 16-byte test records: their frequencies show, their tails stay blank rows.
    const TestFreqTable tF9 = ReadTestFreqTable(CodePlug(BuildBandImage("F9")));
    EXPECT_EQ(tF9[0].rx, "446.00000");
    EXPECT_EQ(tF9[0].tx, "446.12500");
    for (std::size_t i = 1; i < tF9.size(); ++i) {
        EXPECT_TRUE(tF9[i].IsBlank()) << i;
    }
    const TestFreqTable tF3 = ReadTestFreqTable(CodePlug(BuildBandImage("F3")));
    EXPECT_EQ(tF3[0].rx, "490.00000");
    EXPECT_TRUE(tF3[1].IsBlank());
    EXPECT_EQ(tF3[2].rx, "501.00000");
    EXPECT_EQ(tF3[2].tx, "501.12500");
    EXPECT_TRUE(tF3[3].IsBlank());
    // The third record of a 48-byte test block lies on the radio's alignment block (0x02A0): the
    // rows from there to 0x02DF are the radio's calibration, never test frequencies.
    EXPECT_EQ(DecodeTestFreqTable(CodePlug(BuildBandImage("F3")).Read(0x0280, 128))[4].rx, "512.00000");
    for (std::size_t i = 4; i < 12; ++i)
        EXPECT_TRUE(tF3[i].IsBlank()) << i;
    for (int row = 1; row <= kTestFreqRows; ++row)
        EXPECT_EQ(IsCalibrationRow(row), row >= 5 && row <= 12) << row;

    // An all-zero entry is blank as well.
    const TestFreqTable zero = DecodeTestFreqTable(std::string(256, '0'));
    EXPECT_TRUE(zero[0].IsBlank());
}

TEST(ChanEditTestFreqs, WhatIsWrittenReadsBackWithAllSixteenRows)
{
    TestFreqTable table;
    for (int i = 0; i < kTestFreqRows; ++i) {
        if (i % 5 == 3) {
            continue; // some blank rows in between
        }
        char rx[16];
        char tx[16];
        std::snprintf(rx, sizeof rx, "%9.5f", 400.0 + i * 4.3125);
        std::snprintf(tx, sizeof tx, "%9.5f", 999.0 - i * 0.005);
        table[static_cast<std::size_t>(i)] = {rx, tx};
    }
    const std::string hex = EncodeTestFreqTable(table);
    ASSERT_EQ(hex.size(), 256u);
    EXPECT_EQ(hex.substr(0, 16), "0000004000009099");
    EXPECT_EQ(hex.substr(3 * 16, 16), std::string(16, 'F'));
    const TestFreqTable back = DecodeTestFreqTable(hex);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(back[i].rx, table[i].rx) << i;
        EXPECT_EQ(back[i].tx, table[i].tx) << i;
    }
    EXPECT_EQ(back[15].rx, "464.68750");

    CodePlug image(BuildBandImage("33"));
    const std::string before = image.Text();
    WriteTestFreqTable(image, table);
    EXPECT_EQ(image.Text().size(), 2048u);
    EXPECT_EQ(image.Text().substr(0, 0x0280 * 2), before.substr(0, 0x0280 * 2));
    EXPECT_EQ(image.Text().substr(0x0300 * 2), before.substr(0x0300 * 2));

    // The calibration rows keep the radio's bytes whatever the table holds there.
    EXPECT_EQ(image.Read(0x02A0, 64), before.substr(2 * 0x02A0, 128));
    EXPECT_EQ(image.Read(0x0298, 8), EncodeTestFreqTable(table).substr(3 * 16, 16));
    EXPECT_EQ(image.Read(0x02E0, 8), EncodeTestFreqTable(table).substr(12 * 16, 16));

    // Rows left as shown keep their bytes: a 16-byte test record's tail, and the alignment values
    // that share the rows from 0x02A0 on; a changed row is written in the 8-byte form.
    CodePlug f9(BuildBandImage("F9"));
    const std::string alignment = "0A1B2C3D4E5F60718293A4B5C6D7E8F9";
    f9.Write(0x02A0, alignment);
    const std::string f9Before = f9.Text();
    TestFreqTable shown = ReadTestFreqTable(f9);
    EXPECT_TRUE(shown[4].IsBlank()); // alignment bytes are not shown as frequencies
    WriteTestFreqTable(f9, shown);
    EXPECT_EQ(f9.Text(), f9Before);
    shown[0].tx = "446.00625";
    WriteTestFreqTable(f9, shown);
    EXPECT_EQ(f9.Read(0x0280, 8), "0000604425066044");
    EXPECT_EQ(f9.Read(0x0288, 8), "FFFFFFFFFF0101FF");
    EXPECT_EQ(f9.Read(0x02A0, 16), alignment);
}

TEST(ChanEditTestFreqs, CommitRule)
{
    TestFreqRow row;
    CommitTestFreqText(row, 1, "435.123", "33");
    EXPECT_EQ(row.rx, "435.12000");
    EXPECT_EQ(row.tx, "435.12000"); // empty other cell takes the same value
    CommitTestFreqText(row, 2, "436", "33");
    EXPECT_EQ(row.rx, "435.12000");
    EXPECT_EQ(row.tx, "436.00000");
    CommitTestFreqText(row, 1, "50", "33");
    EXPECT_EQ(row.rx, "100.00000");
    EXPECT_EQ(row.tx, "436.00000");
    CommitTestFreqText(row, 2, "   ", "33");
    EXPECT_TRUE(row.IsBlank()); // an empty text clears the whole row

    TestFreqRow f9;
    CommitTestFreqText(f9, 2, "2", "F9");
    EXPECT_EQ(f9.tx, "446.01875");
    EXPECT_EQ(f9.rx, "446.01875");
}

TEST(ChanEditEmbeddedMessage, LinesAreStoredAsAsciiPaddedWithFF)
{
    EXPECT_EQ(EncodeEmbeddedLine("AB"), "4142" + std::string(60, 'F'));
    EXPECT_EQ(EncodeEmbeddedLine(""), std::string(64, 'F'));
    std::string xs;
    for (int i = 0; i < 32; ++i) {
        xs += "78";
    }
    EXPECT_EQ(EncodeEmbeddedLine(std::string(40, 'x')), xs); // cut to 32 characters
    EXPECT_EQ(EncodeEmbeddedLine("A\xB0"
                                 "B"),
              "4142" + std::string(60, 'F')); // non-ASCII dropped

    CodePlug image;
    image.Write(0x0300, "410042" + std::string(58, 'F'));
    EXPECT_EQ(ReadEmbeddedLine(image, 1), "A");
    std::string full;
    for (int i = 0; i < 32; ++i) {
        full += "5A";
    }
    image.Write(0x0320, full);
    EXPECT_EQ(ReadEmbeddedLine(image, 2), std::string(32, 'Z')); // no end byte: all 32 characters

    // Lines left as shown keep their bytes, also those after the end byte.
    const std::string unchanged = image.Text();
    WriteEmbeddedMessage(image, "A", std::string(32, 'Z'));
    EXPECT_EQ(image.Text(), unchanged);

    WriteEmbeddedMessage(image, "HELLO", "");
    EXPECT_EQ(image.Read(0x0300, 32), "48454C4C4F" + std::string(54, 'F'));
    EXPECT_EQ(image.Read(0x0320, 32), std::string(64, 'F'));
    EXPECT_EQ(image.Text().size(), 2048u);
}
