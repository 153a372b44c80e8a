// The alignment-data window driven through its widgets: headings that follow the clicked row, the edit
// box and its limits, the log of the service view, the file commands with their messages, the
// questions before a write and before values are dropped, a backup as the source, and Ctrl+T.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/qt/ui/FileDialogs.h"
#include "codeplug/ModelCatalogue.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "service/AlignmentFile.h"
#include "service/qt/AlignmentDialog.h"
#include "service/qt/AlignmentGrid.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/service/AlignmentSample.h"

namespace {

// The window over a simulated service radio holding the sample block, in English.
struct DialogBench {
    explicit DialogBench(bool serviceView = false)
    {
        g_nLanguage = kLangEnglish;
        g_bServiceView = serviceView;
        ResetLangTextCache();
        radio.SetModelText("R736");
        radio.SetMemoryHex(MemoryWithAlignment(SampleAlignmentBlock()));
        dialog = std::make_unique<AlignmentDialog>(nullptr, std::make_unique<SimulatedPort>(radio));
        dialog->show();
    }
    ~DialogBench() { g_bServiceView = false; }
    std::string RadioBlock() const { return radio.MemoryHex().substr(2 * Addr::kAlignment, 128); }

    WindowTestEnv env;
    SimulatedRadio radio;
    std::unique_ptr<AlignmentDialog> dialog;
};

void Click(AlignmentGrid* grid, int row, int col)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(row, col)).center());
}

QStringList Headings(AlignmentGrid* grid)
{
    QStringList out;
    for (int col = 1; col <= 5; ++col)
        out << grid->Text(0, col);
    return out;
}

QString Lang(int number) { return QString::fromStdString(GetLangText(number)); }

} // namespace

TEST(AlignmentDialog, HeadingsFollowTheClickedRow)
{
    DialogBench b;
    b.dialog->OnRead();
    AlignmentGrid* params = b.dialog->ParamGrid();
    EXPECT_EQ(Headings(params), QStringList({"Mid", "", "", "", ""})); // as the window opens
    Click(params, 3, 0);                                               // high power
    EXPECT_EQ(Headings(params), QStringList({"Low", "Low-mid", "Mid", "Mid-high", "High"}));
    Click(params, 5, 1); // squelch open
    EXPECT_EQ(Headings(params), QStringList({"Wide", "Narrow", "", "", ""}));
    Click(params, 7, 4); // sensitivity
    EXPECT_EQ(Headings(params), QStringList({"Low", "Low-mid", "Mid", "Mid-high", "High"}));
    Click(params, 2, 1); // reference frequency
    EXPECT_EQ(Headings(params), QStringList({"Mid", "", "", "", ""}));
    Click(params, 6, 0);
    EXPECT_EQ(Headings(params), QStringList({"Wide", "Narrow", "", "", ""}));
    Click(params, 0, 3); // the heading row itself
    EXPECT_EQ(Headings(params), QStringList({"Mid", "", "", "", ""}));

    // Row labels and the frequency table's captions.
    EXPECT_EQ(params->Text(0, 0), "Parameter");
    EXPECT_EQ(params->Text(4, 0), "Low power");
    AlignmentGrid* freqs = b.dialog->FreqGrid();
    EXPECT_EQ(freqs->Text(0, 0), "Frequency (MHz)");
    EXPECT_EQ(freqs->Text(0, 2), "TX Frequency");
    EXPECT_EQ(freqs->Text(4, 0), "Mid-high");
    EXPECT_EQ(freqs->Text(4, 1), "455.25000");
    EXPECT_EQ(params->Text(3, 5), "214");
}

TEST(AlignmentDialog, LogAndWidthFollowTheServiceView)
{
    {
        DialogBench b(false);
        EXPECT_EQ(b.dialog->width(), AlignmentDialog::kNarrowWidth);
        EXPECT_TRUE(b.dialog->LogView()->isHidden());
        // The hidden lists are there, out of sight, and follow bytes 52 and 53.
        b.dialog->OnRead();
        EXPECT_TRUE(b.dialog->CrystalList()->isHidden());
        EXPECT_EQ(b.dialog->CrystalList()->currentText(), "13.0M");
        EXPECT_EQ(b.dialog->VoiceChipList()->currentText(), "Other");
        EXPECT_TRUE(b.dialog->LogView()->toPlainText().isEmpty());
        // Every control of the narrowed window lies inside it.
        for (QWidget* w :
             {static_cast<QWidget*>(b.dialog->ParamGrid()), static_cast<QWidget*>(b.dialog->FreqGrid()),
              static_cast<QWidget*>(b.dialog->ExportButton()),
              static_cast<QWidget*>(b.dialog->CloseButton())})
            EXPECT_LE(w->geometry().right(), AlignmentDialog::kNarrowWidth) << w->metaObject()->className();
    }
    {
        DialogBench b(true);
        EXPECT_GT(b.dialog->width(), AlignmentDialog::kNarrowWidth);
        EXPECT_FALSE(b.dialog->LogView()->isHidden());
        EXPECT_GE(b.dialog->LogView()->geometry().left(), AlignmentDialog::kNarrowWidth - 12);
        b.dialog->OnRead();
        const QString log = b.dialog->LogView()->toPlainText();
        EXPECT_TRUE(log.startsWith("S:5155494E544152\nR:06\n")) << log.left(60).toStdString();
        EXPECT_TRUE(log.contains("S:5202D808\nR:5202D808" +
                                 QString::fromStdString(SampleAlignmentBlock().substr(112))));
    }
}

TEST(AlignmentDialog, EditBoxLimitsValuesAndWriteSendsThem)
{
    DialogBench b;
    AlignmentGrid* params = b.dialog->ParamGrid();
    AlignmentGrid* freqs = b.dialog->FreqGrid();
    Click(params, 1, 1);
    EXPECT_FALSE(params->Editing()); // nothing read yet: empty cells cannot be edited
    b.dialog->OnRead();
    EXPECT_EQ(b.dialog->windowTitle(), "Alignment Data - Untitled");

    Click(params, 3, 2);
    ASSERT_TRUE(params->Editing());
    EXPECT_EQ(params->Editor()->selectedText(), "201");
    QTest::keyClicks(params->Editor(), "300");
    QTest::keyClick(params->Editor(), Qt::Key_Return);
    EXPECT_FALSE(params->Editing());
    EXPECT_EQ(params->Text(3, 2), "255");

    Click(params, 4, 1);
    QTest::keyClicks(params->Editor(), "-5");
    Click(freqs, 2, 1); // clicking elsewhere commits
    EXPECT_EQ(params->Text(4, 1), "0");
    ASSERT_TRUE(freqs->Editing());
    QTest::keyClicks(freqs->Editor(), "340"); // 60 MHz below the band
    QTest::keyClick(freqs->Editor(), Qt::Key_Enter);
    EXPECT_EQ(freqs->Text(2, 1), "350.00000");
    EXPECT_EQ(freqs->Text(2, 2), "415.12500");

    Click(params, 7, 1);
    QTest::keyClicks(params->Editor(), "9");
    QTest::keyClick(params->Editor(), Qt::Key_Escape); // dropped
    EXPECT_EQ(params->Text(7, 1), "120");
    Click(params, 1, 3);
    EXPECT_FALSE(params->Editing()); // battery voltage has one column

    // Write asks first: three values (a frequency, two parameters) differ from the block read.
    const QString question = QString::fromStdString(b.dialog->Editor().WriteQuestion());
    EXPECT_EQ(question, Lang(9639) + "\n\n" + QString::fromStdString(GetLangTextWith(9640, {"3"})));
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    b.dialog->OnWrite();
    std::string expected = SampleAlignmentBlock();
    expected.replace(2 * 8, 8, EncodeFreq(350.0));
    expected.replace(2 * 43, 2, "FF");
    expected.replace(2 * 47, 2, "00");
    EXPECT_EQ(b.RadioBlock(), expected);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({question, Lang(9531)})); // and says when it is done
    EXPECT_EQ(b.radio.Frames().back().substr(0, 8), "5702D808");
}

TEST(AlignmentDialog, FileCommandsAndTheirMessages)
{
    DialogBench b;
    const QString good = b.env.Path("good.dts");
    ASSERT_EQ(SaveAlignmentFile(good.toStdString(), SampleAlignmentBlock()), 0);
    b.env.Put("bad.dts", QByteArray(191, '0'));

    SetNextFileDialogResult(b.env.Path("bad.dts"));
    b.dialog->OnOpen();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({"Open File Error!\n\n" + Lang(2011)})); // one box
    EXPECT_EQ(b.dialog->ParamGrid()->Text(1, 1), "");
    MsgBox::ClearAnswers();

    SetNextFileDialogResult(good);
    b.dialog->OnOpen();
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(b.dialog->windowTitle(), "Alignment Data - " + good);
    EXPECT_EQ(b.dialog->ParamGrid()->Text(1, 1), "131");

    // An edit, then Open: the question names the file; Cancel keeps everything.
    ASSERT_TRUE(b.dialog->Editor().Tables().CommitParam(1, 1, "99"));
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    b.dialog->OnOpen();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({good + " " + Lang(2004)}));
    EXPECT_EQ(b.dialog->Editor().Tables().ParamText(1, 1), "99");
    // Yes saves first, then opens.
    MsgBox::ClearAnswers();
    const QString other = b.env.Path("other.dts");
    std::string otherBlock = SampleAlignmentBlock();
    otherBlock.replace(2 * 40, 2, "0A");
    ASSERT_EQ(SaveAlignmentFile(other.toStdString(), otherBlock), 0);
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    SetNextFileDialogResult(other);
    b.dialog->OnOpen();
    std::string saved;
    ASSERT_EQ(LoadAlignmentFile(good.toStdString(), saved), 0);
    EXPECT_EQ(saved.substr(2 * 40, 2), "63"); // 99 reached the file
    EXPECT_EQ(b.dialog->ParamGrid()->Text(1, 1), "10");
    EXPECT_EQ(b.dialog->windowTitle(), "Alignment Data - " + other);

    // Save as into a folder that does not exist: 2014, and the window keeps its file.
    MsgBox::ClearAnswers();
    SetNextFileDialogResult(b.env.Path("missing/x.dts"));
    b.dialog->OnSaveAs();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({Lang(2014)}));
    EXPECT_EQ(b.dialog->Editor().Path(), other.toStdString());

    // Export: the workbook and the message.
    MsgBox::ClearAnswers();
    SetNextFileDialogResult(b.env.Path("sheet.xlsx"));
    b.dialog->OnExport();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({Lang(7024) + "!"}));
    EXPECT_TRUE(b.env.Get("sheet.xlsx").startsWith("PK"));
    MsgBox::ClearAnswers();
    SetNextFileDialogResult(b.env.Path("missing/sheet.xlsx"));
    b.dialog->OnExport();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({Lang(7025) + "!"}));

    // Clear forgets the file; Save and Write then have nothing to work with.
    MsgBox::ClearAnswers();
    b.dialog->OnClear();
    EXPECT_EQ(b.dialog->windowTitle(), "Alignment Data - Untitled");
    EXPECT_EQ(b.dialog->ParamGrid()->Text(3, 3), "");
    b.dialog->OnSave();
    b.radio.ClearFrames();
    b.dialog->OnWrite();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({Lang(7022), Lang(7022)}));
    EXPECT_TRUE(b.radio.Frames().empty());
}

TEST(AlignmentDialog, CtrlTOpensTheWindowOnlyWhileServiceFunctionsAreUnlocked)
{
    WindowTestEnv env;
    env.Settings("[language]\nlanguage=200000\n");
    CMainFrame* frame = env.Start();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->Action(cmd::kBatchWriteTest), nullptr);
    EXPECT_EQ(frame->Action(cmd::kBatchWriteTest)->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));

    auto opened = [&](bool unlocked) {
        g_bTestEnabled = unlocked;
        QString title;
        QTimer::singleShot(0, [&title] {
            if (auto* dialog = qobject_cast<AlignmentDialog*>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                dialog->reject();
            }
        });
        frame->Action(cmd::kBatchWriteTest)->trigger();
        QApplication::processEvents();
        return title;
    };
    EXPECT_EQ(opened(false), "");
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty()); // locked: nothing, not even a message
    EXPECT_EQ(opened(true), "Alignment Data - Untitled");
    g_bTestEnabled = false;
}

TEST(AlignmentDialog, WriteAsksWithWhatItChangesAndEnterNeverWrites)
{
    DialogBench b;
    b.dialog->OnRead();
    ASSERT_TRUE(b.dialog->Editor().Tables().CommitParam(7, 2, "9"));
    b.radio.ClearFrames();
    MsgBox::ClearAnswers();

    // Enter in the window is no Write: no button is the default.
    for (QPushButton* button : b.dialog->findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    QApplication::setActiveWindow(b.dialog.get());
    QTest::keyClick(b.dialog.get(), Qt::Key_Return);
    EXPECT_TRUE(b.radio.Frames().empty());

    // The question names how many values differ from the block read; No (its default) sends nothing.
    b.dialog->OnWrite();
    EXPECT_EQ(MsgBox::ShownTexts(),
              QStringList{Lang(9639) + "\n\n" + QString::fromStdString(GetLangTextWith(9640, {"1"}))});
    EXPECT_TRUE(b.radio.Frames().empty());
    EXPECT_EQ(b.RadioBlock(), SampleAlignmentBlock());
    EXPECT_EQ(b.dialog->Editor().Tables().ParamText(7, 2), "9"); // the edit stays

    // A block that never came from this radio window says so.
    const QString file = b.env.Path("unit.dts");
    std::string other = SampleAlignmentBlock();
    other.replace(2 * 40, 2, "11");
    ASSERT_EQ(SaveAlignmentFile(file.toStdString(), other), 0);
    AlignmentDialog fresh(nullptr, std::make_unique<SimulatedPort>(b.radio));
    SetNextFileDialogResult(file);
    fresh.OnOpen();
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    fresh.OnWrite();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList({Lang(9639) + "\n\n" + Lang(9641), Lang(9531)}));
    EXPECT_EQ(b.RadioBlock(), other);
}

TEST(AlignmentDialog, CloseEscapeReadAndOpenAskBeforeDroppingValues)
{
    DialogBench b;
    b.dialog->OnRead();
    const QString good = b.env.Path("good.dts");
    ASSERT_EQ(SaveAlignmentFile(good.toStdString(), SampleAlignmentBlock()), 0);

    // A fresh read, unedited, is asked about as the main window asks about a read not saved.
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    b.dialog->CloseButton()->click();
    EXPECT_TRUE(b.dialog->isVisible());
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{Lang(2002)});
    // ... but reading again loses nothing: the radio still holds it.
    MsgBox::ClearAnswers();
    b.dialog->OnRead();
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());

    // An edit: Read asks, Cancel keeps it and sends nothing.
    ASSERT_TRUE(b.dialog->Editor().Tables().CommitParam(1, 1, "99"));
    const QString question = Lang(90026) + " " + Lang(2004);
    b.radio.ClearFrames();
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    b.dialog->OnRead();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{question});
    EXPECT_TRUE(b.radio.Frames().empty());
    EXPECT_EQ(b.dialog->Editor().Tables().ParamText(1, 1), "99");
    // Escape asks too; Cancel keeps the window.
    MsgBox::ClearAnswers();
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    QApplication::setActiveWindow(b.dialog.get());
    QTest::keyClick(b.dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{question});
    EXPECT_TRUE(b.dialog->isVisible());
    // Open after Clear needs no question and opens.
    MsgBox::ClearAnswers();
    b.dialog->OnClear();
    SetNextFileDialogResult(good);
    b.dialog->OnOpen();
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(b.dialog->windowTitle(), "Alignment Data - " + good);
    EXPECT_EQ(b.dialog->ParamGrid()->Text(1, 1), "131");
    // An edit of the file: Close asks; Yes saves it into the file, then the window closes.
    ASSERT_TRUE(b.dialog->Editor().Tables().CommitParam(1, 1, "98"));
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    b.dialog->CloseButton()->click();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{good + " " + Lang(2004)});
    EXPECT_FALSE(b.dialog->isVisible());
    std::string saved;
    ASSERT_EQ(LoadAlignmentFile(good.toStdString(), saved), 0);
    EXPECT_EQ(saved.substr(2 * 40, 2), "62");
}

TEST(AlignmentDialog, ABackupOfTheRadioOpensAsItsAlignmentData)
{
    DialogBench b;
    CodePlug backup(BuildBandImage("33"));
    std::string block = SampleAlignmentBlock();
    block.replace(2 * 41, 2, "07");
    backup.Write(Addr::kAlignment, block);
    b.env.Put("backup.dat", QByteArray::fromStdString(backup.Text()));
    SetNextFileDialogResult(b.env.Path("backup.dat"));
    b.dialog->OnOpen();
    EXPECT_TRUE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(b.dialog->ParamGrid()->Text(2, 1), "7");
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    b.dialog->OnWrite();
    EXPECT_EQ(b.RadioBlock(), block); // the radio's calibration restored from its backup

    // A code plug never read from a radio holds none: one box says so, nothing changes.
    MsgBox::ClearAnswers();
    b.env.Put("new.dat", QByteArray::fromStdString(BuildBandImage("33")));
    SetNextFileDialogResult(b.env.Path("new.dat"));
    b.dialog->OnOpen();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{"Open File Error!\n\n" + Lang(9642)});
    EXPECT_EQ(b.dialog->ParamGrid()->Text(2, 1), "7");
}
