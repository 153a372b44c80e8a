// Renders the radio-history window over a dealer's morning (reads, guarded writes, a refused radio, an
// alignment read) with a write selected, and the differences of two entries, in both languages:
//   history_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree; run under an X server)
#include <QApplication>
#include <QPixmap>
#include <QTableWidget>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/FreqCodec.h"
#include "history/HistoryView.h"
#include "history/qt/HistoryDiffDialog.h"
#include "history/qt/HistoryDialog.h"
#include "tests/history/HistoryFixture.h"
#include "tests/service/AlignmentSample.h"
#include "tests/support/TestAppDir.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

std::time_t At(int day, int hour, int minute)
{
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 2;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

// The customer's plan: channel 1 on 435.125 MHz, squelch 3.
std::string Plan(const std::string& radio)
{
    CodePlug plan(radio);
    plan.Write(Addr::ChannelAddress(1), EncodeFreq(435.125) + EncodeFreq(435.125) + "FFFFFFFFFF3101FF");
    plan.WriteByte(Addr::kSquelch, 3);
    return plan.Text();
}

std::vector<HistoryRecord> Morning()
{
    const std::string port = "com1 (/dev/ttyUSB0)";
    std::vector<HistoryRecord> rows;
    auto add = [&](HistoryOp op, std::time_t time, const std::string& serial, const std::string& data,
                   HistoryResult result, const std::string& message) {
        HistoryRecord row = RowOf(op, time, serial, data, result);
        row.port = port;
        row.message = message;
        rows.push_back(row);
    };
    const HistoryResult ok = HistoryResult::Ok;
    add(HistoryOp::Read, At(9, 8, 41), "VX24031187", PlugOfRadio("VX24031187"), ok, GetLangText(3007));
    for (const char* serial : {"VX24031187", "VX24031190"}) {
        add(HistoryOp::Backup, At(9, 8, serial[9] == '7' ? 44 : 47), serial, PlugOfRadio(serial), ok,
            GetLangTextWith(9557, {"~/.local/share/vpxds/backups/2026-03-09_08-44-02_33_SN" + std::string(serial) +
                                   ".dat"}));
        add(HistoryOp::Write, At(9, 8, serial[9] == '7' ? 44 : 47), serial, Plan(PlugOfRadio(serial)), ok,
            GetLangText(3014));
        add(HistoryOp::Verify, At(9, 8, serial[9] == '7' ? 44 : 47), serial, Plan(PlugOfRadio(serial)), ok,
            GetLangText(3014) + "\n" + GetLangText(9558));
    }
    HistoryRecord refused = RowOf(HistoryOp::Write, At(9, 8, 52), "", Plan(PlugOfRadio("")), HistoryResult::Refused);
    refused.port = port;
    refused.band = "34";
    refused.message = GetLangText(3022);
    rows.push_back(refused);
    add(HistoryOp::Read, At(9, 9, 5), "", "", HistoryResult::Failed, GetLangText(3006));
    HistoryRecord align = RowOf(HistoryOp::AlignRead, At(9, 9, 20), "", SampleAlignmentBlock());
    align.model = "R736";
    align.port = port;
    align.message = GetLangText(9530);
    rows.push_back(align);
    return rows;
}

bool Render(int language, const QString& suffix, const QString& out)
{
    TestAppDir dir("vpx-history-shot-", TestAppDir::Texts::Project);
    HistoryHome home;
    g_nLanguage = language;
    ResetLangTextCache();
    InitAppFont();
    {
        HistoryStore store;
        std::vector<HistoryRecord> rows = Morning();
        if (!store.Open(home.Path(), std::string()) || !store.Add(rows))
            return false;
    }
    HistoryDialog dialog(nullptr, home.Path());
    dialog.show();
    QTableWidget* table = dialog.Table();
    table->setCurrentCell(table->rowCount() - 3, 0); // the write of the first radio
    QApplication::processEvents();
    bool ok = dialog.grab().save(out + "/radio-history-" + suffix + ".png");

    HistoryStore store;
    store.Open(home.Path(), std::string());
    const std::vector<HistoryRecord> rows = store.List();
    const HistoryRecord& read = rows.back();
    const HistoryRecord& written = rows[rows.size() - 3];
    HistoryDiffDialog diff(nullptr, QString::fromStdString(HistoryView::Differences(read, written)));
    diff.show();
    QApplication::processEvents();
    ok = diff.grab().save(out + "/radio-history-differences-" + suffix + ".png") && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotMain(argc, argv, [](int language, const QString& suffix, const QString& out) {
        MsgBox::SetNonInteractive(true);
        return Render(language, suffix, out);
    });
}
