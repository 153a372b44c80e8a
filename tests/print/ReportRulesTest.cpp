// The report without a painter: pages for a row count, the go-to-page clamping, what the settings block
// and the table print for a code plug, the footer's maker line and page number, and the millimetre
// conversion.
#include <gtest/gtest.h>

#include "app/AppState.h"
#include "app/LangText.h"
#include "codeplug/ModelCatalogue.h"
#include "print/ReportJob.h"
#include "print/ReportLayout.h"
#include "print/ReportModel.h"
#include "tests/support/SamplePlug.h"
#include "tests/support/TestAppDir.h"

namespace {

class ReportRules : public ::testing::Test {
protected:
    void SetUp() override { g_nLanguage = kLangEnglish; }

    ReportModel SampleReport(int radioType = 3, const std::string& model = "vpxds")
    {
        g_nRadioType = 3;
        CodePlug image(BuildBandImage("33"));
        FillSamplePlug(image);
        ApplyBand(image.Text());
        ReportContext context{model, g_nLanguage == kLangChinese, radioType, "2024-05-06 07:08:09"};
        return BuildReportModel(ReportSourceFromImage(image, g_band), context);
    }

    // A report whose table has rows rows (header included), for the page arithmetic.
    static ReportJob JobWithRows(int rows)
    {
        ReportModel model;
        model.rows.resize(static_cast<std::size_t>(std::max(0, rows)));
        return MakeReportJob(model);
    }

    TestAppDir m_dir{"vpx-report-", TestAppDir::Texts::Project};
};

} // namespace

TEST_F(ReportRules, PageCountAndChannelsPerPageFollowTheTableLength)
{
    struct Case {
        int rows, pages;
        std::vector<int> channelsOnPage;
    };
    const Case cases[] = {
        {17, 1, {16}},        // the 16 channels of this build
        {28, 1, {27}},        // page 1 full
        {29, 2, {27, 1}},     // one channel spills onto page 2
        {64, 2, {27, 36}},    // page 2 full
        {65, 3, {27, 36, 1}}, // and onto page 3
        {100, 3, {27, 36, 36}}, {101, 4, {27, 36, 36, 1}},
    };
    for (const Case& c : cases) {
        const ReportJob job = JobWithRows(c.rows);
        EXPECT_EQ(job.rowCount, c.rows);
        EXPECT_EQ(job.pageCount, c.pages) << c.rows;
        for (int p = 1; p <= c.pages; ++p)
            EXPECT_EQ(ChannelRowsOnPage(p, c.rows), c.channelsOnPage[static_cast<std::size_t>(p - 1)])
                << c.rows << " rows, page " << p;
        EXPECT_EQ(ChannelRowsOnPage(c.pages + 1, c.rows), 0);
    }
    // Page 2 begins with channel 28, page 3 with channel 64: no channel is printed twice or lost.
    EXPECT_EQ(FirstChannelOnPage(1), 1);
    EXPECT_EQ(FirstChannelOnPage(2), 28);
    EXPECT_EQ(FirstChannelOnPage(3), 64);
    EXPECT_EQ(FirstChannelOnPage(2) + ChannelRowsOnPage(2, 64), 64);
    // Nothing to show.
    EXPECT_EQ(JobWithRows(0).pageCount, 0);
    EXPECT_EQ(ReportPageCount(-3), 0);
    EXPECT_EQ(ChannelRowsOnPage(1, 1), 0); // a header without channels
}

TEST_F(ReportRules, GoToPageNumberIsKeptWithinThePages)
{
    EXPECT_EQ(ClampPageNumber("0", 3), 1);
    EXPECT_EQ(ClampPageNumber("", 3), 1);
    EXPECT_EQ(ClampPageNumber("2", 3), 2);
    EXPECT_EQ(ClampPageNumber("4", 3), 3);
    EXPECT_EQ(ClampPageNumber("99999999999", 3), 3);
    EXPECT_EQ(ClampPageNumber("2x", 3), 2);
    EXPECT_EQ(ClampPageNumber("5", 1), 1);
}

TEST_F(ReportRules, SettingsBlockPrintsThePageCaptionsAndValues)
{
    const ReportModel r = SampleReport();
    EXPECT_EQ(r.title, "MX6+ Code Plug Report");
    EXPECT_FALSE(r.chinese);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Model:", ""},
        {"", "MX6+ (400-470MHz)"},
        {"Key Assignment (Monitor Key):", ""},
        {"", "None"},
        {"Language : ", GetLangText(90033)},
        {"Time-out timer (s) : ", "180"},
        {"TOT pre-alert (s) : ", "Off"},
        {"Squelch level : ", "5"},
        {"Battery save : ", "On"}, // check boxes print On / Off, not the table's Yes / No
        {"Wired clone mode : ", "Off"},
        {"Priority : ", "1"},
        {"Priority channel : ", "2"},
        {"Revert channel : ", GetLangText(4043)},
        {"Scan-back time A (s) : ", "2.00"},
        {"Scan-back time B (s) : ", "3.00"},
        {"TX pause time (s) : ", "5"},
        {"Scan dwell time (s) : ", "5"},
    };
    ASSERT_EQ(expected.size(), r.settings.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.settings[i].label, expected[i].first) << i;
        EXPECT_EQ(r.settings[i].value, expected[i].second) << i;
    }
    EXPECT_EQ(r.dateTime, "2024-05-06 07:08:09");
}

TEST_F(ReportRules, TablePrintsEveryColumnButTheBandwidth)
{
    const ReportModel r = SampleReport();
    ASSERT_EQ(r.rows.size(), 17u);
    EXPECT_EQ(r.rows[0], (ReportRow{"Ch. No.", "RX Freq (MHz)", "TX Freq (MHz)", "RX QT/DQT", "TX QT/DQT",
                                    "Power", "Scan"}));
    // Channel 2: repeater pair with DCS both ways; channel 6 receives only; channel 11 is empty.
    EXPECT_EQ(r.rows[2], (ReportRow{"2", "438.52500", "430.92500", "D023N", "D023N", "High", "Yes"}));
    EXPECT_EQ(r.rows[6], (ReportRow{"6", "462.56250", "", "None", "", "High", "Yes"}));
    EXPECT_EQ(r.rows[11], (ReportRow{"11", "", "", "", "", "", ""}));
    for (const ReportRow& row : r.rows) {
        for (const std::string& cell : row) {
            EXPECT_NE(cell, "Wide");
            EXPECT_NE(cell, "Narrow");
            EXPECT_NE(cell, "Bandwidth");
        }
    }
}

TEST_F(ReportRules, RadioTypeOneGreysTheLanguageAndTheRightColumns)
{
    EXPECT_FALSE(SampleReport(3).greyEntries);
    EXPECT_TRUE(SampleReport(1).greyEntries);
    for (int i = 0; i < kReportSettingCount; ++i) {
        // Model, key, time-out, pre-alert, squelch and battery save stay black.
        const bool grey = i == kEntryLanguage || i >= 9;
        EXPECT_EQ(EntryGreyForRadioType1(i), grey) << i;
    }
}

TEST_F(ReportRules, FooterNamesTheMakerOfTheModelAndCountsPages)
{
    EXPECT_EQ(MakerLine("vpxds"), "VPX Communications Ltd.");
    EXPECT_EQ(MakerLine("vpxa"), "VPX Communications Ltd.");
    EXPECT_EQ(MakerLine("dlra"), "Carrow Wireless");
    EXPECT_EQ(MakerLine("dlrb"), "Lumeta S.R.L.");
    EXPECT_EQ(MakerLine("dlrc"), "Fennic Radio Corp.");
    EXPECT_EQ(MakerLine("dlrd"), "");
    EXPECT_EQ(MakerLine("xvpx"), "");
    EXPECT_EQ(SampleReport(3, "qx").makerLine, "");

    EXPECT_EQ(PageNumberText(1, 1, false), "Page 1/Total 1");
    EXPECT_EQ(PageNumberText(2, 3, true), "第 2 页/共 3 页");

    g_nLanguage = kLangChinese;
    const ReportModel zh = SampleReport();
    EXPECT_TRUE(zh.chinese);
    EXPECT_EQ(zh.makerLine, "VPX通信设备有限公司");
    EXPECT_EQ(zh.title, "MX6+ 写频参数表");
    EXPECT_EQ(zh.settings[8].value, "开"); // battery save on
    EXPECT_EQ(zh.settings[9].value, "关");
}

TEST(ReportLayout, MillimetresAndPointsBecomeDevicePixels)
{
    // Truncated toward zero, with no loss from the binary form of 25.4.
    EXPECT_EQ(MmToDevice(41, 254), 410);
    EXPECT_EQ(MmToDevice(48.3, 254), 483);
    EXPECT_EQ(MmToDevice(297, 96), 1122); // 1122.52
    EXPECT_EQ(MmToDevice(210, 96), 793);  // 793.70
    EXPECT_EQ(MmToDevice(6, 96), 22);     // 22.68
    EXPECT_EQ(MmToDevice(297, 1200), 14031);
    EXPECT_EQ(FontPixelHeight(10, 96), 13); // 13.33
    EXPECT_EQ(FontPixelHeight(16, 96), 21); // 21.33
    EXPECT_EQ(FontPixelHeight(10, 600), 83);
    EXPECT_EQ(FontPixelHeight(16, 300), 67);

    const auto edges = ReportColumnEdges();
    EXPECT_EQ(edges, (std::array<double, 8>{15, 49, 89, 129, 169, 209, 245, 282}));
    EXPECT_EQ(TableTopMm(1), 83.0);
    EXPECT_EQ(TableTopMm(2), 25.0);

    // The language type's value moves left in Chinese; every other entry stands where it does in English.
    EXPECT_EQ(EntryPlaceOf(kEntryLanguage, false).valueLeft, 48.0);
    EXPECT_EQ(EntryPlaceOf(kEntryLanguage, true).valueLeft, 37.0);
    EXPECT_EQ(EntryPlaceOf(14, true).top, 48.2);
    for (int i = 0; i < kReportSettingCount; ++i) {
        const EntryPlace p = EntryPlaceOf(i, false);
        // Every entry lies on the page, above the table.
        EXPECT_GE(p.top, 41.0);
        EXPECT_LE(p.top + kEntryHeightMm, TableTopMm(1));
        EXPECT_LE(std::max(p.labelRight, p.valueRight), kPageWidthMm);
    }
}
