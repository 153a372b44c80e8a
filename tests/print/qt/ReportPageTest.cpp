// The page renderer on a recording device at 254 dpi (10 pixels a millimetre) and on a screen bitmap:
// where the title, the settings block, the table rules and texts and the footer land, what is grey,
// and what only the preview draws.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "app/AppState.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/AddressMap.h"
#include "codeplug/PanelLogic.h"
#include "print/ReportJob.h"
#include "print/ReportLayout.h"
#include "print/qt/DrawReportPage.h"
#include "tests/print/qt/RecordingDevice.h"
#include "tests/support/SamplePlug.h"
#include "tests/support/TestAppDir.h"

namespace {

class ReportPage : public ::testing::Test {
protected:
    void SetUp() override { g_nLanguage = kLangEnglish; }

    ReportJob SampleJob(bool printing = true, int radioType = 3, const std::string& model = "vpxds")
    {
        g_nRadioType = 3;
        CodePlug image(BuildBandImage("33"));
        FillSamplePlug(image);
        ApplyBand(image.Text());
        ReportContext context{model, g_nLanguage == kLangChinese, radioType, "2024-05-06 07:08:09"};
        return MakeReportJob(BuildReportModel(ReportSourceFromImage(image, g_band), context), 1, printing);
    }

    // Draws the job's page on a fresh recording device.
    static std::unique_ptr<RecordingDevice> Draw(const ReportJob& job)
    {
        auto device = std::make_unique<RecordingDevice>();
        QPainter painter(device.get());
        DrawReportPage(&painter, job);
        return device;
    }

    static std::set<int> Ys(const RecordingDevice& d, bool horizontal)
    {
        std::set<int> ys;
        for (const RecordedLine& l : d.Engine().lines_) {
            if (horizontal && l.line.y1() == l.line.y2())
                ys.insert(static_cast<int>(l.line.y1()));
            if (!horizontal && l.line.x1() == l.line.x2())
                ys.insert(static_cast<int>(l.line.x1()));
        }
        return ys;
    }

    TestAppDir m_dir{"vpx-page-", TestAppDir::Texts::Project};
};

} // namespace

TEST_F(ReportPage, TableOfSixteenChannelsHasEighteenRulesAndColumnEdges)
{
    const auto d = Draw(SampleJob());
    const auto& lines = d->Engine().lines_;
    int horizontal = 0;
    for (const RecordedLine& l : lines) {
        EXPECT_EQ(l.pen.widthF(), 1.0); // one device pixel
        EXPECT_EQ(l.pen.color(), QColor(Qt::black));
        if (l.line.y1() == l.line.y2()) {
            ++horizontal;
            EXPECT_EQ(l.line.x1(), 150);
            EXPECT_EQ(l.line.x2(), 2820);
        } else {
            EXPECT_EQ(l.line.y1(), 830);  // from the top rule ...
            EXPECT_EQ(l.line.y2(), 1850); // ... to the last: header, 16 channels
        }
    }
    EXPECT_EQ(horizontal, 18);
    std::set<int> rows;
    for (int j = 0; j <= 17; ++j)
        rows.insert(830 + 60 * j);
    EXPECT_EQ(Ys(*d, true), rows);
    EXPECT_EQ(Ys(*d, false), (std::set<int>{150, 490, 890, 1290, 1690, 2090, 2450, 2820}));
}

TEST_F(ReportPage, TitleSettingsAndCellsStandWhereTheLayoutPutsThem)
{
    const auto d = Draw(SampleJob());
    const RecordedText* title = d->Text(QStringLiteral("MX6+ Code Plug Report"));
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->MiddleX(), 1485, 2); // centred on the page
    EXPECT_NEAR(title->Top(), 250, 2);      // at the top of the 25 - 35 mm band
    EXPECT_TRUE(title->font.bold());
    EXPECT_EQ(title->font.pixelSize(), 56); // 16 points at 254 dpi

    // Right-aligned label ending where its left-aligned value begins.
    const RecordedText* label = d->Text(QStringLiteral("Time-out timer (s) : "));
    const RecordedText* value = d->Text(QStringLiteral("180"));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(value, nullptr);
    EXPECT_NEAR(label->Right(), 1150, 2);
    EXPECT_NEAR(value->Left(), 1150, 1);
    EXPECT_NEAR(label->Top(), 410, 2);
    EXPECT_EQ(value->font.pixelSize(), 35); // 10 points
    EXPECT_FALSE(value->font.bold());
    // The left column: caption over value.
    const RecordedText* model = d->Text(QStringLiteral("MX6+ (400-470MHz)"));
    ASSERT_NE(model, nullptr);
    EXPECT_NEAR(model->Left(), 180, 1);
    EXPECT_NEAR(model->Top(), 460, 2);
    const RecordedText* scanBack = d->Text(QStringLiteral("Scan-back time B (s) : "));
    ASSERT_NE(scanBack, nullptr);
    EXPECT_NEAR(scanBack->Top(), 482, 2);

    // Header cells centred in their columns, without the bandwidth column.
    const RecordedText* power = d->Text(QStringLiteral("Power"));
    ASSERT_NE(power, nullptr);
    EXPECT_NEAR(power->MiddleX(), (2090 + 2450) / 2.0, 2);
    EXPECT_NEAR(power->MiddleY(), 860, 4);
    EXPECT_EQ(d->Text(QStringLiteral("Bandwidth")), nullptr);
    EXPECT_EQ(d->Text(QStringLiteral("Wide")), nullptr);
    // Channel 2's transmit frequency in band 2 of column 2.
    const RecordedText* tx = d->Text(QStringLiteral("430.92500"));
    ASSERT_NE(tx, nullptr);
    EXPECT_NEAR(tx->MiddleX(), (890 + 1290) / 2.0, 2);
    EXPECT_NEAR(tx->MiddleY(), 830 + 2 * 60 + 30, 4);
}

TEST_F(ReportPage, FooterHasMakerDateAndPageNumberUnderTheTable)
{
    auto d = Draw(SampleJob());
    const RecordedText* maker = d->Text(QStringLiteral("VPX Communications Ltd."));
    const RecordedText* date = d->Text(QStringLiteral("2024-05-06 07:08:09"));
    const RecordedText* page = d->Text(QStringLiteral("Page 1/Total 1"));
    ASSERT_NE(maker, nullptr);
    ASSERT_NE(date, nullptr);
    ASSERT_NE(page, nullptr);
    EXPECT_NEAR(maker->Left(), 150, 1);
    EXPECT_NEAR(date->MiddleX(), (150 + 2820) / 2.0, 2);
    EXPECT_NEAR(page->Right(), 2820, 2);
    for (const RecordedText* t : {maker, date, page})
        EXPECT_NEAR(t->MiddleY(), 1880, 4); // centred in the band under the last rule

    // A model code of no maker leaves the left part empty; the other two parts stay.
    d = Draw(SampleJob(true, 3, "qx"));
    for (const RecordedText& t : d->Engine().texts_)
        EXPECT_FALSE(t.Left() < 160 && t.MiddleY() > 1850) << t.text.toStdString();
    EXPECT_NE(d->Text(QStringLiteral("Page 1/Total 1")), nullptr);

    g_nLanguage = kLangChinese;
    d = Draw(SampleJob());
    EXPECT_NE(d->Text(QStringLiteral("第 1 页/共 1 页")), nullptr);
    EXPECT_NE(d->Joined(QStringLiteral("VPX通信设备有限公司")), nullptr);
    EXPECT_NE(d->Joined(QStringLiteral("MX6+ 写频参数表")), nullptr);
}

TEST_F(ReportPage, RadioTypeOneDrawsTheRightColumnsAndLanguageInGrey)
{
    const QColor grey(130, 130, 130);
    auto colourOf = [](const RecordingDevice& d, const char* text) {
        const RecordedText* t = d.Text(QString::fromUtf8(text));
        return t != nullptr ? t->colour : QColor();
    };
    const auto plain = Draw(SampleJob(true, 3));
    const auto type1 = Draw(SampleJob(true, 1));
    for (const char* text : {"Language : ", "Wired clone mode : ", "Revert channel : ",
                             "Scan dwell time (s) : ", "2.00", "Chinese"}) {
        EXPECT_EQ(colourOf(*plain, text), QColor(Qt::black)) << text;
        EXPECT_EQ(colourOf(*type1, text), grey) << text;
    }
    for (const char* text : {"Model:", "Time-out timer (s) : ", "Battery save : ", "On", "Ch. No."})
        EXPECT_EQ(colourOf(*type1, text), QColor(Qt::black)) << text;
}

TEST_F(ReportPage, OnlyThePreviewDrawsTheWhiteSheetWithItsFrame)
{
    const auto printed = Draw(SampleJob(true));
    EXPECT_TRUE(printed->Engine().rects_.empty());

    const auto preview = Draw(SampleJob(false));
    bool white = false;
    bool frame = false;
    for (const RecordedRect& r : preview->Engine().rects_) {
        if (r.brush.color() == Qt::white && r.rect == QRectF(0, 0, 2970, 2100))
            white = true;
        if (r.pen.widthF() == 6 && r.pen.color() == Qt::black && r.rect.width() >= 2969 &&
            r.rect.height() >= 2099)
            frame = true;
    }
    EXPECT_TRUE(white);
    EXPECT_TRUE(frame);

    // A painter without a device draws nothing and does not fail.
    QPainter idle;
    DrawReportPage(&idle, SampleJob());
    DrawReportPage(nullptr, SampleJob());
}

TEST_F(ReportPage, LaterPagesStartHigherWithoutTitleOrSettings)
{
    ReportJob job = SampleJob();
    // A table of 29 rows: page 2 holds channel 28 alone.
    for (int n = 17; n <= 28; ++n)
        job.report.rows.push_back({std::to_string(n), "401.00000", "", "", "", "", ""});
    job = MakeReportJob(job.report, 1, true);
    ASSERT_EQ(job.pageCount, 2);

    auto d = Draw(job);
    EXPECT_EQ(Ys(*d, true).size(), 29u); // header + 27 channels + 1
    EXPECT_EQ(d->Text(QStringLiteral("28")), nullptr);
    EXPECT_NE(d->Text(QStringLiteral("Page 1/Total 2")), nullptr);

    job.currentPage = 2;
    d = Draw(job);
    EXPECT_EQ(Ys(*d, true), (std::set<int>{250, 310, 370}));
    EXPECT_EQ(d->Text(QStringLiteral("MX6+ Code Plug Report")), nullptr);
    EXPECT_EQ(d->Text(QStringLiteral("Model:")), nullptr);
    EXPECT_NE(d->Text(QStringLiteral("Ch. No.")), nullptr); // the header row again
    const RecordedText* last = d->Text(QStringLiteral("28"));
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR(last->MiddleY(), 340, 4);
    const RecordedText* page = d->Text(QStringLiteral("Page 2/Total 2"));
    ASSERT_NE(page, nullptr);
    EXPECT_NEAR(page->MiddleY(), 400, 4);
}

TEST_F(ReportPage, ScreenBitmapShowsTheRulesAtScreenResolution)
{
    // 96 dpi: 297 x 210 mm is 1122 x 793 pixels; the rules at the truncated millimetre positions.
    QImage bitmap(MmToDevice(kPageWidthMm, 96), MmToDevice(kPageHeightMm, 96), QImage::Format_RGB32);
    bitmap.setDotsPerMeterX(3780);
    bitmap.setDotsPerMeterY(3780);
    bitmap.fill(Qt::darkGray);
    {
        QPainter painter(&bitmap);
        DrawReportPage(&painter, SampleJob(false));
    }
    const int x = MmToDevice(100, 96) + 3; // inside column 2, clear of its text
    for (int j = 0; j <= 17; ++j) {
        const int y = MmToDevice(83 + 6 * j, 96);
        EXPECT_EQ(bitmap.pixelColor(x, y), QColor(Qt::black)) << j;
        EXPECT_EQ(bitmap.pixelColor(MmToDevice(280, 96), y + 1), QColor(Qt::white)) << j;
    }
    EXPECT_EQ(bitmap.pixelColor(MmToDevice(49, 96), MmToDevice(150, 96)), QColor(Qt::black)); // column edge
    EXPECT_EQ(bitmap.pixelColor(1, 400), QColor(Qt::black));                                  // the frame
    EXPECT_EQ(bitmap.pixelColor(10, 10), QColor(Qt::white));                                  // the sheet
}

TEST_F(ReportPage, EverySettingValueStaysClearOfTheNextColumnInBothLanguages)
{
    // The longest values are the revert-channel entries ("Selected + talkback" and the like); each
    // priority mode offers its own, so every pair is drawn in both languages.
    for (const int language : {kLangEnglish, kLangChinese}) {
        g_nLanguage = language;
        for (int mode = 0; mode <= 2; ++mode) {
            for (const ListEntry& revert : RevertEntries(mode)) {
                SCOPED_TRACE(language + revert.data * 10 + mode);
                CodePlug image(BuildBandImage("33"));
                FillSamplePlug(image);
                image.WriteByte(Addr::kPriorityMode, mode);
                image.WriteByte(Addr::kRevertChannel, revert.data);
                ApplyBand(image.Text());
                ReportContext context{"vpxds", language == kLangChinese, 3, "2024-05-06 07:08:09"};
                const auto d = Draw(
                    MakeReportJob(BuildReportModel(ReportSourceFromImage(image, g_band), context), 1, true));
                ASSERT_NE(d->Text(QString::fromStdString(revert.text)), nullptr);
                // The settings block (41 to 70 mm): texts on one line never run into each other.
                std::vector<const RecordedText*> block;
                for (const RecordedText& t : d->Engine().texts_)
                    if (t.Top() > 400 && t.Top() < 700)
                        block.push_back(&t);
                // Where a text's ink ends: a trailing blank (as after " : ") draws nothing.
                auto inkRight = [](const RecordedText* t) {
                    QString text = t->text;
                    while (text.endsWith(QLatin1Char(' ')))
                        text.chop(1);
                    return t->Left() + QFontMetricsF(t->font).horizontalAdvance(text);
                };
                for (const RecordedText* a : block) {
                    for (const RecordedText* b : block) {
                        if (a != b && std::abs(a->Top() - b->Top()) < 20 && a->Left() < b->Left()) {
                            EXPECT_LE(inkRight(a), b->Left() + 1)
                                << a->text.toStdString() << " runs into " << b->text.toStdString();
                        }
                    }
                }
            }
        }
    }
}
