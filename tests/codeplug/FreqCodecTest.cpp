// Frequency fields and channel-step snapping: the radio's own examples and round trips across the bands.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"

TEST(FreqCodec, FieldExamples)
{
    EXPECT_EQ(EncodeFreq(146.125), "00256114");
    EXPECT_EQ(DecodeFreq("00256114"), "146.12500");
    EXPECT_EQ(DecodeFreq(" 00256114 "), "146.12500");
    EXPECT_EQ(EncodeFreq(999.0), "00009099");
    EXPECT_EQ(EncodeFreq(10.0), "00000001"); // digits 01000000
    EXPECT_EQ(EncodeFreq(45.5), "00005504"); // digits 04550000
    EXPECT_EQ(EncodeFreq(9.99), "");
    EXPECT_EQ(EncodeFreq(999.5), "");
    EXPECT_EQ(EncodeFreq(std::nan("")), "");
    EXPECT_EQ(DecodeFreq("FFFFFFFF"), "");
    EXPECT_EQ(DecodeFreq("ffffffff"), "");
    EXPECT_EQ(DecodeFreq("00005504"), " 45.50000");
    // A corrupt field reads a smaller number, it never fails.
    EXPECT_EQ(DecodeFreq("0025F114"), " 14.12500");
    EXPECT_EQ(DecodeFreq("00F56114"), "146.00001"); // decimals "1F500" read as 1
    EXPECT_EQ(FreqTextToBcd("146.12500"), "00256114");
    EXPECT_EQ(FreqTextToBcd(" 146.12500 "), "00256114");
    EXPECT_EQ(FreqTextToBcd("46.125"), "FFFFFFFF");
    EXPECT_EQ(FreqTextToBcd(""), "FFFFFFFF");
    EXPECT_EQ(FreqTextToBcd("146.125000"), "FFFFFFFF");
    // Letters would make a field that is not BCD; they give "no frequency" instead.
    EXPECT_EQ(FreqTextToBcd("14A.12500"), "FFFFFFFF");
}

TEST(FreqCodec, RoundTripAcrossTheBands)
{
    // Every 6.25 kHz and 5 kHz channel from 136 to 520 MHz encodes, decodes and converts back identically.
    for (long hz10 = 13600000; hz10 <= 52000000; hz10 += 125) {
        const double mhz = static_cast<double>(hz10) * 0.00001;
        const std::string field = EncodeFreq(mhz);
        ASSERT_EQ(field.size(), 8u) << mhz;
        const std::string text = DecodeFreq(field);
        ASSERT_EQ(FreqTextToBcd(text), field) << text;
        ASSERT_NEAR(FreqFieldMHz(field), mhz, 1e-9);
        ASSERT_NEAR(LeadingNumber(text), mhz, 1e-9);
    }
    for (long hz10 = 13600000; hz10 <= 52000000; hz10 += 500) {
        const double mhz = static_cast<double>(hz10) * 0.00001;
        ASSERT_EQ(DecodeFreq(EncodeFreq(mhz)), FormatMHz(mhz));
    }
}

TEST(FreqCodec, TableReadingOfAField)
{
    EXPECT_DOUBLE_EQ(FreqFieldMHz("00000040"), 400.0);
    EXPECT_DOUBLE_EQ(FreqFieldMHz("FFFFFFFF"), 0.0);
    EXPECT_NEAR(FreqFieldMHz("00007044"), 447.0, 1e-9);
    EXPECT_EQ(FormatMHz(400.0), "400.00000");
    EXPECT_EQ(FormatMHz(45.5), " 45.50000");
}

TEST(FreqCodec, SnappingExamples)
{
    struct Case {
        const char* text;
        const char* snapped;
        int stepClass;
    };
    const Case cases[] = {
        {"146.0125", "146.01250", 1},  {"146.0130", "146.01250", 1}, {"146.0120", "146.01000", 0},
        {"462.5625", "462.56250", 1},  {"462.5650", "462.56500", 0}, {"435.123", "435.12000", 0},
        {"446.00625", "446.00625", 1}, {"446.010", "446.01000", 0},  {"446.025", "446.02500", 1},
        {"146.0155", "146.01500", 0},  {"146.0185", "146.01500", 0}, // both grids are approached from below
                                                                     // only
    };
    for (const Case& c : cases) {
        int stepClass = -1;
        EXPECT_EQ(SnapFreq(c.text, 4, stepClass), c.snapped) << c.text;
        EXPECT_EQ(stepClass, c.stepClass) << c.text;
    }
    int stepClass = -1;
    EXPECT_EQ(SnapFreq(" 95.0069", 4, stepClass), " 95.00625"); // blank below 100 MHz
    EXPECT_EQ(stepClass, 1);
    EXPECT_EQ(SnapFreq("95.0031", 4, stepClass), " 95.00000"); // equally near: the 5 kHz class wins
    EXPECT_EQ(stepClass, 0);
    // Mode 3 leaves the text alone; modes 1 and 2 use their own grids.
    EXPECT_EQ(SnapFreq("146.0131", 3, stepClass), "146.0131");
    EXPECT_EQ(stepClass, 0);
    EXPECT_EQ(SnapFreq("146.0125", 1, stepClass), "146.01250");
    EXPECT_EQ(stepClass, 1);
    EXPECT_EQ(SnapFreq("146.0200", 1, stepClass), "146.02000");
    EXPECT_EQ(stepClass, 0);
    EXPECT_EQ(SnapFreq("146.0026", 2, stepClass), "146.00250");
    EXPECT_EQ(stepClass, 0);
}

TEST(FreqCodec, SnappedTextsLieOnTheGridAndStayThere)
{
    // Any frequency typed with 100 Hz resolution lands on one of the two grids, and snapping again keeps it.
    for (long hz100 = 4000000; hz100 <= 4010000; hz100 += 7) {
        const std::string typed = FormatMHz(static_cast<double>(hz100) * 0.0001);
        int stepClass = -1;
        const std::string snapped = SnapFreq(typed, 4, stepClass);
        const double khz = LeadingNumber(snapped) * 1000.0;
        const double step = stepClass == 1 ? 6.25 : 5.0;
        ASSERT_NEAR(std::remainder(khz, step), 0.0, 1e-6) << typed;
        ASSERT_LE(std::fabs(khz - static_cast<double>(hz100) * 0.1), 5.0) << typed;
        int again = -1;
        ASSERT_EQ(SnapFreq(snapped, 4, again), snapped);
        ASSERT_EQ(FreqTextToBcd(snapped).size(), 8u);
    }
}

TEST(FreqCodec, LeadingNumberReadsOnlyTheNumberAtTheStart)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("146.125MHz"), 146.125);
    EXPECT_DOUBLE_EQ(LeadingNumber("  -2.5"), -2.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e2x"), 100.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e"), 1.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("D023N"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("nan"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("inf"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e999"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0.0);
}

TEST(FreqCodec, DesktopLocaleDoesNotChangeTheFields)
{
    // A desktop language with a decimal comma must not reach the image or the texts.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(EncodeFreq(146.125), "00256114");
    EXPECT_EQ(DecodeFreq("00256114"), "146.12500");
    EXPECT_DOUBLE_EQ(LeadingNumber("146.125"), 146.125);
    int stepClass = -1;
    EXPECT_EQ(SnapFreq("462.5625", 4, stepClass), "462.56250");
    std::setlocale(LC_NUMERIC, saved.c_str());
}
