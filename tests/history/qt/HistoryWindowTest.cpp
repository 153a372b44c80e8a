// The radio-history window driven through its widgets: the table and its filters, a recorded code plug
// opened as an unsaved document (after the unsaved-work question), the differences of two entries,
// captions that fit in both languages, the Tools menu item; and the read, write and alignment windows
// recording what they did, also when the history file is damaged.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "app/CommandIds.h"
#include "codeplug/Document.h"
#include "history/qt/HistoryDialog.h"
#include "history/qt/HistoryDiffDialog.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "link/qt/ReadDialog.h"
#include "link/qt/WriteDialog.h"
#include "service/qt/AlignmentDialog.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/history/HistoryFixture.h"
#include "tests/service/AlignmentSample.h"
#include "tests/support/qt/TextFit.h"

namespace {

// Ids 1-5, oldest first: a read of SN1, a backup and a write to SN2 (squelch 9), a failed read, an
// alignment write.
void FillHistory(const HistoryHome& h)
{
    CodePlug written(PlugOfRadio("SN2"));
    written.WriteByte(Addr::kSquelch, 9);
    std::vector<HistoryRecord> rows = {
        RowOf(HistoryOp::Read, LocalTime(2026, 2, 28, 8), "SN1", PlugOfRadio("SN1")),
        RowOf(HistoryOp::Backup, LocalTime(2026, 3, 1, 10), "SN2", PlugOfRadio("SN2")),
        RowOf(HistoryOp::Write, LocalTime(2026, 3, 1, 10), "SN2", written.Text()),
        RowOf(HistoryOp::Read, LocalTime(2026, 3, 1, 23), "", "", HistoryResult::Failed),
        RowOf(HistoryOp::AlignWrite, LocalTime(2026, 3, 2, 9), "", std::string(128, '5')),
    };
    rows[4].port = "com16 (/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0)"; // a long one
    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), std::string())) << store.Error();
    ASSERT_TRUE(store.Add(rows));
}

QStringList Column(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts << table->item(r, column)->text();
    return texts;
}

// Selects the table rows showing these entry numbers.
void SelectIds(HistoryDialog& dialog, const QStringList& ids)
{
    QTableWidget* table = dialog.Table();
    table->clearSelection();
    for (int r = 0; r < table->rowCount(); ++r) {
        if (!ids.contains(table->item(r, 0)->text()))
            continue;
        table->setCurrentCell(r, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void English(WindowTestEnv& env) { env.Settings("[language]\nlanguage=200000\n"); }

// The entries of FillHistory and the main window, in English.
struct Filled {
    Filled()
    {
        FillHistory(h);
        English(env);
        env.Start();
    }
    HistoryHome h;
    WindowTestEnv env;
};

} // namespace

TEST(HistoryWindow, ListsTheEntriesAndFiltersThem)
{
    Filled f;
    const HistoryHome& h = f.h;
    HistoryDialog dialog(nullptr, h.Path());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), LangText(9712));
    QTableWidget* table = dialog.Table();
    EXPECT_EQ(Column(table, 0), (QStringList{"5", "4", "3", "2", "1"}));
    EXPECT_EQ(Column(table, 2), (QStringList{"Alignment write", "Read", "Write", "Backup", "Read"}));
    EXPECT_EQ(table->item(2, 1)->text(), QStringLiteral("2026-03-01 10:00:00"));
    EXPECT_EQ(table->item(2, 4)->text(), QStringLiteral("SN2"));
    EXPECT_EQ(table->item(1, 7)->text(), QStringLiteral("Failed"));
    EXPECT_EQ(dialog.StatusLabel()->text(), QStringLiteral("5 of 5 entries"));
    EXPECT_EQ(dialog.FromDate()->date(), QDate(2026, 2, 28));
    EXPECT_EQ(dialog.ToDate()->date(), QDate(2026, 3, 2));

    // The serial numbers that occur, after "All radios"; the operations after "All operations".
    QComboBox* serial = dialog.SerialList();
    ASSERT_EQ(serial->count(), 3);
    EXPECT_EQ(serial->itemText(2), QStringLiteral("SN2"));
    serial->setCurrentIndex(2);
    EXPECT_EQ(Column(table, 0), (QStringList{"3", "2"}));
    EXPECT_EQ(dialog.StatusLabel()->text(), QStringLiteral("2 of 5 entries"));
    dialog.OperationList()->setCurrentIndex(1 + static_cast<int>(HistoryOp::Write));
    EXPECT_EQ(Column(table, 0), (QStringList{"3"}));
    serial->setCurrentIndex(0);
    dialog.OperationList()->setCurrentIndex(1 + static_cast<int>(HistoryOp::Read));
    EXPECT_EQ(Column(table, 0), (QStringList{"4", "1"}));
    dialog.OperationList()->setCurrentIndex(0);
    dialog.FromDate()->setDate(QDate(2026, 3, 1));
    dialog.ToDate()->setDate(QDate(2026, 3, 1));
    EXPECT_EQ(Column(table, 0), (QStringList{"4", "3", "2"}));

    // The selected entry's details below the table; alignment data cannot be opened as a code plug.
    SelectIds(dialog, {"3"});
    EXPECT_TRUE(dialog.DetailsView()->toPlainText().contains(QStringLiteral("Model: TQ951")));
    EXPECT_TRUE(dialog.OpenButton()->isEnabled());
    EXPECT_FALSE(dialog.CompareButton()->isEnabled());
    SelectIds(dialog, {"4"});
    EXPECT_FALSE(dialog.OpenButton()->isEnabled()); // a failed read holds no code plug
    dialog.FromDate()->setDate(QDate(2026, 2, 1));
    dialog.ToDate()->setDate(QDate(2026, 12, 31));
    SelectIds(dialog, {"5"});
    EXPECT_FALSE(dialog.OpenButton()->isEnabled());
    EXPECT_TRUE(dialog.DetailsView()->toPlainText().contains(QString(128, QLatin1Char('5'))));
}

TEST(HistoryWindow, OpensARecordedCodePlugAsAnUnsavedDocument)
{
    Filled f;
    const HistoryHome& h = f.h;
    g_doc.image.WriteByte(Addr::kSquelch, 2); // unsaved work
    const std::string edited = g_doc.image.Text();

    HistoryDialog dialog(nullptr, h.Path());
    dialog.show();
    SelectIds(dialog, {"3"});
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    dialog.OpenButton()->click();
    EXPECT_EQ(g_doc.image.Text(), edited); // Cancel: nothing changed, the window stays
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_TRUE(MsgBox::ShownTexts().last().endsWith(LangText(2004)));

    MsgBox::SetNextAnswer(QMessageBox::No);
    dialog.OpenButton()->click();
    CodePlug written(PlugOfRadio("SN2"));
    written.WriteByte(Addr::kSquelch, 9);
    EXPECT_EQ(g_doc.image.Text(), written.Text());
    EXPECT_TRUE(g_doc.IsModified()); // never saved: closing the program asks
    EXPECT_TRUE(g_doc.path.empty());
    EXPECT_FALSE(g_doc.fromRadio);
    EXPECT_FALSE(g_doc.history.CanUndo(g_doc.image));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(HistoryWindow, ComparesTwoEntriesOlderToNewer)
{
    Filled f;
    const HistoryHome& h = f.h;
    HistoryDialog dialog(nullptr, h.Path());
    dialog.show();
    SelectIds(dialog, {"3", "1"});
    EXPECT_TRUE(dialog.CompareButton()->isEnabled());
    EXPECT_FALSE(dialog.OpenButton()->isEnabled());
    QString shown, title;
    WhenModalShows<HistoryDiffDialog>([&](HistoryDiffDialog* diff) {
        shown = diff->TextView()->toPlainText();
        title = diff->windowTitle();
        diff->CloseButton()->click();
    });
    dialog.CompareButton()->click();
    EXPECT_EQ(title, LangText(9738));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("No. 1, 2026-02-28 08:00:00, Read \u2192 No. 3"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Squelch level: 5 \u2192 9"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Other bytes"))) << shown.toStdString(); // the serial numbers
}

TEST(HistoryWindow, CaptionsFitInBothLanguages)
{
    HistoryHome h;
    FillHistory(h);
    for (const char* language : {"200000", "100000"}) {
        SCOPED_TRACE(language);
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        env.Start();
        HistoryDialog dialog(nullptr, h.Path());
        dialog.show();
        SelectIds(dialog, {"2"});
        QApplication::processEvents();
        const QStringList cut = textfit::CutTexts(&dialog);
        EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral("\n")).toStdString();
        EXPECT_LE(dialog.width(), 1000);

        HistoryDiffDialog diff(nullptr, QStringLiteral("x"));
        diff.show();
        QApplication::processEvents();
        EXPECT_TRUE(textfit::CutTexts(&diff).isEmpty());
    }
}

TEST(HistoryWindow, TheToolsMenuOpensItAndAnUnreadableFileIsSaid)
{
    HistoryHome h;
    h.Put("no database");
    WindowTestEnv env;
    English(env);
    CMainFrame* frame = env.Start();
    ASSERT_TRUE(frame->MenuHasCommand(cmd::kRadioHistory));
    EXPECT_EQ(frame->Action(cmd::kRadioHistory)->text(), LangText(9711));
    QString status;
    int rows = -1;
    WhenModalShows<HistoryDialog>([&](HistoryDialog* dialog) {
        status = dialog->StatusLabel()->text();
        rows = dialog->Table()->rowCount();
        dialog->CloseButton()->click();
    });
    frame->Action(cmd::kRadioHistory)->trigger();
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(status.startsWith(QStringLiteral("The radio history could not be kept (") + QString::fromStdString(h.Path())))
        << status.toStdString();
    EXPECT_EQ(h.Bytes(), "no database");
}

TEST(HistoryWindow, TheRadioWindowsRecordWhatTheyDid)
{
    HistoryHome h;
    WindowTestEnv env;
    English(env);
    env.Touch(kMarkerServiceUnlock);
    env.Start();
    SimulatedRadio radio;
    radio.SetMemoryHex(PlugOfRadio("SN31"));
    {
        ReadDialog read(nullptr, std::make_unique<SimulatedPort>(radio));
        read.StartTransfer();
        ASSERT_TRUE(read.LastResult().Succeeded());
        WriteDialog write(nullptr, std::make_unique<SimulatedPort>(radio));
        write.StartTransfer();
        ASSERT_TRUE(write.LastResult().Succeeded());
    }
    radio.SetModelText("R736");
    radio.SetMemoryHex(MemoryWithAlignment(SampleAlignmentBlock()));
    {
        AlignmentDialog align(nullptr, std::make_unique<SimulatedPort>(radio));
        align.OnRead();
    }
    HistoryStore store;
    ASSERT_TRUE(store.Open(h.Path(), std::string()));
    const std::vector<HistoryRecord> rows = store.List();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].operation, HistoryOp::Read);
    EXPECT_EQ(rows[2].serial, "SN31");
    EXPECT_EQ(rows[2].data, PlugOfRadio("SN31"));
    EXPECT_EQ(rows[1].operation, HistoryOp::Write);
    EXPECT_EQ(rows[1].result, HistoryResult::Ok);
    EXPECT_EQ(rows[1].data, g_doc.image.Text()); // the code plug read, written back
    EXPECT_EQ(rows[0].operation, HistoryOp::AlignRead);
    EXPECT_EQ(rows[0].model, "R736");
    EXPECT_EQ(rows[0].data, SampleAlignmentBlock());

    // A damaged history: the read goes on, and its message says the history could not be kept.
    h.Put("damaged");
    radio.SetModelText("TQ951");
    g_doc.ResetToNew(); // nothing unsaved to ask about
    ReadDialog read(nullptr, std::make_unique<SimulatedPort>(radio));
    MsgBox::ClearAnswers();
    read.StartTransfer();
    EXPECT_TRUE(read.LastResult().Succeeded());
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_TRUE(MsgBox::ShownTexts().last().startsWith(LangText(3007))) << MsgBox::ShownTexts().last().toStdString();
    EXPECT_TRUE(MsgBox::ShownTexts().last().contains(QStringLiteral("The radio history could not be kept")));
    EXPECT_EQ(h.Bytes(), "damaged");
}
