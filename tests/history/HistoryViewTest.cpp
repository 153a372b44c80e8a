// The rules of the radio-history window: what each filter lets through, the cells and details a row
// shows, which selections can be opened or compared, and the differences between two code plugs.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "app/LangText.h"
#include "history/HistoryView.h"
#include "tests/history/HistoryFixture.h"

namespace {

std::vector<long long> Ids(const HistoryView& view)
{
    std::vector<long long> ids;
    for (const HistoryRecord* row : view.Shown())
        ids.push_back(row->id);
    return ids;
}

// Newest first, as the store lists them: 5 an alignment write, 4 a failed read, 3 a write to SN2,
// 2 a backup of SN2, 1 a read of SN1.
std::vector<HistoryRecord> SampleRows()
{
    std::vector<HistoryRecord> rows = {
        RowOf(HistoryOp::AlignWrite, LocalTime(2026, 3, 2, 9), "", std::string(128, '5')),
        RowOf(HistoryOp::Read, LocalTime(2026, 3, 1, 23), "", "", HistoryResult::Failed),
        RowOf(HistoryOp::Write, LocalTime(2026, 3, 1, 10), "SN2", PlugOfRadio("SN2")),
        RowOf(HistoryOp::Backup, LocalTime(2026, 3, 1, 10), "SN2", PlugOfRadio("SN2")),
        RowOf(HistoryOp::Read, LocalTime(2026, 2, 28, 8), "SN1", PlugOfRadio("SN1")),
    };
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].id = static_cast<long long>(rows.size() - i);
    return rows;
}

} // namespace

TEST(HistoryView, FiltersBySerialNumberOperationAndDates)
{
    HistoryView view;
    view.SetRows(SampleRows());
    EXPECT_EQ(Ids(view), (std::vector<long long>{5, 4, 3, 2, 1}));
    EXPECT_EQ(view.Serials(), (std::vector<std::string>{"SN1", "SN2"}));
    EXPECT_EQ(view.FirstDate(), "2026-02-28");
    EXPECT_EQ(view.LastDate(), "2026-03-02");

    HistoryFilter f;
    f.serial = "SN2";
    view.SetFilter(f);
    EXPECT_EQ(Ids(view), (std::vector<long long>{3, 2}));
    f.operation = HistoryOp::Backup;
    view.SetFilter(f);
    EXPECT_EQ(Ids(view), (std::vector<long long>{2}));

    f = HistoryFilter();
    f.operation = HistoryOp::Read;
    view.SetFilter(f);
    EXPECT_EQ(Ids(view), (std::vector<long long>{4, 1}));

    // Dates are local calendar days, both ends included: 23:00 on the 1st is still the 1st.
    f = HistoryFilter();
    f.fromDate = "2026-03-01";
    f.toDate = "2026-03-01";
    view.SetFilter(f);
    EXPECT_EQ(Ids(view), (std::vector<long long>{4, 3, 2}));
    f.toDate.clear();
    view.SetFilter(f);
    EXPECT_EQ(Ids(view), (std::vector<long long>{5, 4, 3, 2}));
    f.fromDate = "2026-03-03";
    view.SetFilter(f);
    EXPECT_TRUE(view.Shown().empty());
    EXPECT_EQ(view.RowCount(), 5u);
}

TEST(HistoryView, CellsAndDetailsSayWhatHappenedInTheInterfaceLanguage)
{
    LinkAppDir dir;
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    const std::vector<HistoryRecord> rows = SampleRows();
    const std::vector<std::string> cells = HistoryView::Cells(rows[2]);
    ASSERT_EQ(cells.size(), static_cast<std::size_t>(HistoryView::kColumns));
    EXPECT_EQ(cells, (std::vector<std::string>{"3", "2026-03-01 10:00:00", "Write", "com1 (/dev/ttyUSB0)", "SN2",
                                               "HW2.1", "1.05", "OK"}));
    EXPECT_EQ(HistoryView::Cells(rows[1])[7], "Failed");
    EXPECT_EQ(HistoryView::Headings().size(), cells.size());

    const std::string details = HistoryView::Details(rows[2]);
    EXPECT_NE(details.find("Model: TQ951\n"), std::string::npos) << details;
    EXPECT_NE(details.find("Code plug: 33 (400.00000 - 470.00000 MHz)\n"), std::string::npos) << details;
    EXPECT_EQ(details.substr(details.size() - 13), "Message: done") << details;
    EXPECT_NE(HistoryView::Details(rows[0]).find(std::string(128, '5')), std::string::npos);

    g_nLanguage = kLangChinese;
    EXPECT_EQ(HistoryView::Cells(rows[2])[2], "写入");
    EXPECT_EQ(HistoryView::Cells(rows[2])[7], "成功");
}

TEST(HistoryView, OpensOneCodePlugAndComparesTwoOlderToNewer)
{
    LinkAppDir dir;
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    std::vector<HistoryRecord> rows = SampleRows();
    CodePlug changed(rows[2].data);
    changed.WriteByte(Addr::kSquelch, 9);
    rows[2].data = changed.Text();
    const HistoryRecord* write = &rows[2];
    const HistoryRecord* backup = &rows[3];
    const HistoryRecord* failed = &rows[1];
    const HistoryRecord* alignment = &rows[0];

    EXPECT_TRUE(HistoryView::CanOpen({write}));
    EXPECT_FALSE(HistoryView::CanOpen({failed}));
    EXPECT_FALSE(HistoryView::CanOpen({alignment}));
    EXPECT_FALSE(HistoryView::CanOpen({write, backup}));
    EXPECT_TRUE(HistoryView::CanCompare({write, backup}));
    EXPECT_FALSE(HistoryView::CanCompare({write}));
    EXPECT_FALSE(HistoryView::CanCompare({write, alignment}));
    EXPECT_FALSE(HistoryView::CanCompare({write, backup, &rows[4]}));

    // Whichever is selected first, the older entry is "before". Same time: the lower number first.
    const std::string text = HistoryView::Differences(*write, *backup);
    EXPECT_EQ(text, HistoryView::Differences(*backup, *write));
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "No. 2, 2026-03-01 10:00:00, Backup \u2192 No. 3, 2026-03-01 10:00:00, Write");
    EXPECT_NE(text.find("Squelch level: 5 \u2192 9\n"), std::string::npos) << text;
    EXPECT_NE(HistoryView::Differences(rows[4], *backup).find("Other bytes"), std::string::npos); // serials
    EXPECT_NE(HistoryView::Differences(*backup, *backup).find(GetLangText(9564)), std::string::npos);
}
