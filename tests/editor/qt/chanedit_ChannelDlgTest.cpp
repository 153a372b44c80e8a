// The channel editor driven as a user would: typing, leaving edits, Enter, clicking boxes,
// choosing tones and stepping the channel number; the image and the page's table are checked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/AddressMap.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CChannelDlg.h"
#include "editor/qt/CMainFrm.h"
#include "tests/editor/chanedit_TestDir.h"

namespace {

QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }

// A fresh code plug of band "33", the editor page on it and the channel editor opened on a row
// exactly as a double-click on the page opens it.
class ChannelDlgFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgBox::ClearAnswers();
        g_doc.ResetToNew();
        m_page = std::make_unique<CMainFrm>();
        m_page->resize(800, 600);
        m_page->OnInitialUpdate();
    }
    void TearDown() override
    {
        m_dlg.reset();
        m_page.reset();
        MsgBox::ClearAnswers();
    }

    void Open(int row)
    {
        m_page->m_nCurRow = row;
        m_page->TakeRowSnapshot(row);
        if (m_page->m_nSelRow >= 1) {
            m_page->PaintRow(m_page->m_nSelRow, false);
        }
        m_page->PaintRow(row, true);
        m_page->m_nSelRow = row;
        m_dlg = std::make_unique<CChannelDlg>(m_page.get());
        m_dlg->show();
        m_dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    // Types into an edit as a user: focus, select all, type.
    void Type(QWidget* w, const QString& text)
    {
        w->setFocus(Qt::MouseFocusReason);
        QLineEdit* edit = qobject_cast<QLineEdit*>(w);
        if (edit == nullptr) {
            edit = qobject_cast<QComboBox*>(w)->lineEdit();
        }
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    // Clicks a check box on its indicator, as a user does.
    static void ClickBox(QCheckBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    // Leaves the control by moving the focus to the channel number.
    void Leave() { m_dlg->NumberEdit()->setFocus(Qt::MouseFocusReason); }

    std::string Record(int n) const { return g_doc.image.Read(Addr::ChannelAddress(n), 16); }
    QString Cell(int row, int col) const { return m_page->ChannelTable()->item(row, col)->text(); }

    ChanEditTestDir m_dir;
    std::unique_ptr<CMainFrm> m_page;
    std::unique_ptr<CChannelDlg> m_dlg;
};

} // namespace

TEST_F(ChannelDlgFixture, TypedReceiveFrequenciesAreSnappedAndStoredWithTheirStepClass)
{
    Open(1);
    struct Case {
        const char* typed;
        const char* shown;
        const char* field; // bytes 0..3 of the record
        int rxBits;        // bits 7..6 of byte 14: 1 for the 5 kHz class, 2 for the 6.25 kHz class
    } cases[] = {
        {"435.123", "435.12000", "00205143", 1}, {"446.00625", "446.00625", "25066044", 2},
        {"446.010", "446.01000", "00106044", 1}, {"446.025", "446.02500", "00256044", 2},
        {"50", "100.00000", "00000010", 2},      {"1200", "999.00000", "00009099", 2},
    };
    for (const Case& c : cases) {
        Type(m_dlg->RxEdit(), c.typed);
        Leave();
        EXPECT_EQ(m_dlg->RxEdit()->text(), c.shown) << c.typed;
        EXPECT_EQ(Record(1).substr(0, 8), c.field) << c.typed;
        EXPECT_EQ(g_doc.image.ReadByte(Addr::ChannelAddress(1) + 14) >> 6, c.rxBits) << c.typed;
        EXPECT_EQ(Cell(1, 1), c.shown);
    }
    // The transmit frequency of channel 1 (400.00000) keeps its own class (both grids: 6.25 kHz).
    EXPECT_EQ(Record(1).substr(8, 8), "00000040");
    EXPECT_EQ((g_doc.image.ReadByte(Addr::ChannelAddress(1) + 14) >> 4) & 3, 2);
    // 1200 MHz is far outside the band: the edit and the table cell are red.
    EXPECT_EQ(m_dlg->RxEdit()->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(m_page->ChannelTable()->item(1, 1)->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(g_doc.image.Text().size(), 2048u);
}

TEST_F(ChannelDlgFixture, NewChannelTakesTheDefaultsAndIsCopiedToTransmit)
{
    m_page->m_defaults.scan = false;
    m_page->m_defaults.wide = false;
    m_page->m_defaults.highPower = false;
    Open(5);
    EXPECT_FALSE(m_dlg->InUseBox()->isChecked());
    EXPECT_FALSE(m_dlg->TxEdit()->isEnabled());
    EXPECT_FALSE(m_dlg->DecodeList()->isEnabled());

    Type(m_dlg->RxEdit(), "440.5");
    Leave();
    EXPECT_EQ(m_dlg->TxEdit()->text(), "440.50000");
    EXPECT_TRUE(m_dlg->TransmitBox()->isChecked());
    EXPECT_TRUE(m_dlg->InUseBox()->isChecked());
    EXPECT_TRUE(m_dlg->EncodeList()->isEnabled());
    EXPECT_FALSE(m_dlg->ScanBox()->isChecked());
    EXPECT_FALSE(m_dlg->HighPowerBox()->isChecked());
    // 440.50000 both ways, no tones, narrow, low power (bits 4 and 5 of byte 13 clear), both on
    // the 6.25 kHz grid, scan off.
    EXPECT_EQ(Record(5), "0000054400000544FFFFFFFFFFCFAFFF");
    EXPECT_EQ(g_doc.image.ReadByte(Addr::kScanFlags) & 0x10, 0);
    EXPECT_EQ(Cell(5, 1), "440.50000");
    EXPECT_EQ(Cell(5, 2), "440.50000");
    EXPECT_EQ(Cell(5, 3), Lang(90020));
    EXPECT_EQ(Cell(5, 5), Lang(4048));
    EXPECT_EQ(Cell(5, 6), Lang(4050));
    EXPECT_EQ(Cell(5, 7), Lang(90004));
}

TEST_F(ChannelDlgFixture, DefaultsSavedFromOneChannelFillAnotherThroughTheInUseBox)
{
    Open(1);
    Type(m_dlg->RxEdit(), "433.5");
    Leave();
    Type(m_dlg->TxEdit(), "438.25");
    Leave();
    Type(m_dlg->DecodeList(), "D023N");
    Leave();
    QTest::mouseClick(m_dlg->SaveDefaultButton(), Qt::LeftButton);
    EXPECT_EQ(m_page->m_defaults.rx, "433.50000");
    EXPECT_EQ(m_page->m_defaults.tx, "438.25000");
    EXPECT_EQ(m_page->m_defaults.decode, "D023N");

    m_dlg->NumberEdit()->setValue(9);
    EXPECT_FALSE(m_dlg->InUseBox()->isChecked());
    ClickBox(m_dlg->InUseBox());
    EXPECT_EQ(m_dlg->RxEdit()->text(), "433.50000");
    EXPECT_EQ(m_dlg->TxEdit()->text(), "438.25000");
    // Channel 9: 433.5 / 438.25, D023N both ways (the encode list followed the decode list),
    // wide + high power, both on the 6.25 kHz grid.
    EXPECT_EQ(m_page->m_defaults.encode, "D023N");
    EXPECT_EQ(Record(9), "0000354300508243"
                         "1328"
                         "1328"
                         "FF"
                         "FF"
                         "AF"
                         "FF");
    EXPECT_EQ(Cell(9, 3), "D023N");
    EXPECT_NE(g_doc.image.ReadByte(Addr::kScanFlags + 1) & 0x01, 0);
}

TEST_F(ChannelDlgFixture, UncheckingTransmitAndInUseWriteEmptyFields)
{
    Open(1);
    Type(m_dlg->EncodeList(), "88.5");
    Leave();
    EXPECT_EQ(Record(1).substr(20, 4), "7503");
    ClickBox(m_dlg->TransmitBox());
    EXPECT_EQ(Record(1).substr(8, 8), "FFFFFFFF");
    EXPECT_EQ(Record(1).substr(20, 4), "FFFF");
    EXPECT_EQ(Record(1).substr(0, 8), "00000040");
    EXPECT_TRUE(Cell(1, 2).isEmpty());
    EXPECT_TRUE(Cell(1, 4).isEmpty());
    EXPECT_FALSE(m_dlg->EncodeList()->isEnabled());

    // Transmit again: default transmit frequency and encode tone come back.
    ClickBox(m_dlg->TransmitBox());
    EXPECT_EQ(Record(1).substr(8, 8), "00000040");
    EXPECT_EQ(Cell(1, 4), Lang(90020));

    // Channel 8 in use and scanned, then switched off.
    m_dlg->NumberEdit()->setValue(8);
    Type(m_dlg->RxEdit(), "450");
    Leave();
    EXPECT_TRUE(m_dlg->ScanBox()->isChecked());
    EXPECT_NE(g_doc.image.ReadByte(0x017E) & 0x80, 0);
    const std::string before = g_doc.image.Text();
    ClickBox(m_dlg->InUseBox());
    EXPECT_EQ(Record(8), std::string(32, 'F'));
    EXPECT_EQ(g_doc.image.ReadByte(0x017E) & 0x80, 0);
    EXPECT_EQ(g_doc.image.ReadByte(0x017E) & 0x7F, 0x01); // channel 1 still scanned
    EXPECT_EQ(g_doc.image.Text().size(), 2048u);
    for (int col = 1; col <= 7; ++col) {
        EXPECT_TRUE(Cell(8, col).isEmpty()) << col;
    }
    // Only channel 8 and its scan bit changed.
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool inRecord = i >= 0x0080 * 2 && i < 0x0090 * 2;
        const bool scanByte = i >= 0x017E * 2 && i < 0x017F * 2;
        if (!inRecord && !scanByte) {
            ASSERT_EQ(before[i], g_doc.image.Text()[i]) << "character " << i;
        }
    }
}

TEST_F(ChannelDlgFixture, ClearingTheReceiveEditAndLeavingChangesNothing)
{
    const std::string before = g_doc.image.Text();
    // Left by a click elsewhere, and by Tab or Enter, which move on towards the transmit edit.
    for (int way : {0, int(Qt::Key_Tab), int(Qt::Key_Return)}) {
        Open(1);
        const QString cell = Cell(1, 1);
        Type(m_dlg->RxEdit(), "");
        if (way != 0) {
            QTest::keyClick(m_dlg->RxEdit(), static_cast<Qt::Key>(way));
        } else {
            Leave();
        }
        EXPECT_EQ(g_doc.image.Text(), before) << way;
        EXPECT_EQ(Cell(1, 1), cell) << way;
        EXPECT_EQ(Cell(1, 7), Lang(90003)) << way;
        EXPECT_FALSE(m_dlg->InUseBox()->isChecked());
        EXPECT_FALSE(m_dlg->DecodeList()->isEnabled());
    }
}

TEST_F(ChannelDlgFixture, IllegalTonesAreCorrectedWhenAllowed)
{
    m_dir.AllowIllegalTones();
    Open(1);
    EXPECT_EQ(m_dlg->DecodeList()->count(), 205);
    struct Case {
        const char* typed;
        const char* shown;
        const char* field;
    } cases[] = {
        {"d18", "D017N", "0F28"},
        {"66", "67.0", "9E02"},
        {"300", "254.1", "ED09"},
        {"100.25", "100.2", "EA03"},
    };
    for (const Case& c : cases) {
        Type(m_dlg->DecodeList(), c.typed);
        Leave();
        EXPECT_EQ(m_dlg->DecodeList()->currentText(), c.shown) << c.typed;
        EXPECT_EQ(Record(1).substr(16, 4), c.field) << c.typed;
        EXPECT_EQ(Cell(1, 3), c.shown);
    }
}

TEST_F(ChannelDlgFixture, TonesWithoutTheSettingComeFromTheList)
{
    Open(1);
    Type(m_dlg->DecodeList(), "d0");
    Leave();
    EXPECT_EQ(m_dlg->DecodeList()->currentText(), "D023N");
    // The encode list had "no tone": it now follows the decode tone.
    EXPECT_EQ(m_dlg->EncodeList()->currentText(), "D023N");
    EXPECT_EQ(Record(1).substr(16, 8), "13281328");

    Type(m_dlg->EncodeList(), "12345");
    Leave();
    EXPECT_EQ(m_dlg->EncodeList()->currentIndex(), 0);
    EXPECT_EQ(Record(1).substr(20, 4), "FFFF");

    // Choosing from the list stores at once.
    m_dlg->EncodeList()->setFocus();
    QTest::keyClick(m_dlg->EncodeList(), Qt::Key_Down);
    EXPECT_EQ(m_dlg->EncodeList()->currentText(), "67.0");
    EXPECT_EQ(Record(1).substr(20, 4), "9E02");
}

TEST_F(ChannelDlgFixture, NumberArrowsWrapAndMoveTheHighlightedRow)
{
    Open(16);
    EXPECT_EQ(m_dlg->NumberEdit()->value(), 16);
    m_dlg->NumberEdit()->setFocus();
    QTest::keyClick(m_dlg->NumberEdit(), Qt::Key_Up);
    EXPECT_EQ(m_dlg->NumberEdit()->value(), 1);
    EXPECT_EQ(m_page->m_nCurRow, 1);
    EXPECT_EQ(m_page->m_nSelRow, 1);
    EXPECT_EQ(m_dlg->RxEdit()->text(), "400.00000"); // channel 1 of the band default
    EXPECT_EQ(m_page->ChannelTable()->item(1, 3)->background().color(), QColor(0, 0, 255));
    EXPECT_NE(m_page->ChannelTable()->item(16, 3)->background().color(), QColor(0, 0, 255));
    QTest::keyClick(m_dlg->NumberEdit(), Qt::Key_Down);
    EXPECT_EQ(m_dlg->NumberEdit()->value(), 16);
    EXPECT_EQ(m_page->m_nCurRow, 16);
    EXPECT_TRUE(m_dlg->RxEdit()->text().isEmpty());

    // Edits now go to channel 16, not channel 1.
    Type(m_dlg->RxEdit(), "460");
    Leave();
    EXPECT_EQ(Record(16).substr(0, 8), "00000046");
    EXPECT_EQ(Record(1).substr(0, 8), "00000040");

    // Closing repaints the row black on white.
    QTest::mouseClick(m_dlg->ExitButton(), Qt::LeftButton);
    EXPECT_EQ(m_page->ChannelTable()->item(16, 3)->background().color(), QColor(Qt::white));
}

TEST_F(ChannelDlgFixture, EnterMovesThroughTheEdits)
{
    Open(2);
    Type(m_dlg->RxEdit(), "455.55");
    QTest::keyClick(m_dlg->RxEdit(), Qt::Key_Return);
    EXPECT_TRUE(m_dlg->TxEdit()->hasFocus());
    EXPECT_EQ(m_dlg->TxEdit()->text(), "455.55000");
    QTest::keyClicks(m_dlg->TxEdit(), "465.1");
    QTest::keyClick(m_dlg->TxEdit(), Qt::Key_Return);
    EXPECT_EQ(m_dlg->TxEdit()->text(), "465.10000");
    EXPECT_EQ(Record(2).substr(0, 16), "0050554500005146");
    EXPECT_TRUE(m_dlg->DecodeList()->hasFocus());

    // A transmit text reading 0 clears the transmit frequency; so do "inf" and "nan".
    for (const char* zero : {"abc", "inf", "nan"}) {
        Type(m_dlg->TxEdit(), "465.1");
        QTest::keyClick(m_dlg->TxEdit(), Qt::Key_Return);
        ASSERT_EQ(Record(2).substr(8, 8), "00005146") << zero;
        Type(m_dlg->TxEdit(), zero);
        QTest::keyClick(m_dlg->TxEdit(), Qt::Key_Return);
        EXPECT_TRUE(m_dlg->TxEdit()->text().isEmpty()) << zero;
        EXPECT_FALSE(m_dlg->TransmitBox()->isChecked()) << zero;
        EXPECT_EQ(Record(2).substr(8, 8), "FFFFFFFF") << zero;
    }

    // On a receive-only channel Enter still opens the transmit edit for typing.
    m_dlg->RxEdit()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(m_dlg->RxEdit(), Qt::Key_Return);
    EXPECT_TRUE(m_dlg->TxEdit()->isEnabled());
    EXPECT_TRUE(m_dlg->TxEdit()->hasFocus());
    QTest::keyClicks(m_dlg->TxEdit(), "466");
    QTest::keyClick(m_dlg->TxEdit(), Qt::Key_Return);
    EXPECT_TRUE(m_dlg->TransmitBox()->isChecked());
    EXPECT_EQ(Record(2).substr(0, 16), "0050554500006046");
    EXPECT_EQ(Cell(2, 2), "466.00000");
}

TEST_F(ChannelDlgFixture, DeleteAllAsksFirst)
{
    Open(1);
    Type(m_dlg->RxEdit(), "420");
    Leave();
    const std::string before = g_doc.image.Text();
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    QTest::mouseClick(m_dlg->DeleteAllButton(), Qt::LeftButton);
    EXPECT_EQ(g_doc.image.Text(), before);
    EXPECT_EQ(Cell(1, 1), "420.00000");
    ASSERT_FALSE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(MsgBox::ShownTexts().last(), Lang(4113));

    MsgBox::SetNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_dlg->DeleteAllButton(), Qt::LeftButton);
    EXPECT_EQ(g_doc.image.Read(Addr::kChannels, 256), std::string(512, 'F'));
    EXPECT_EQ(g_doc.image.Read(0x0360, 0xA0), std::string(0x140, '0'));
    EXPECT_EQ(g_doc.image.Text().size(), 2048u);
    EXPECT_EQ(g_doc.image.ReadByte(Addr::kPriorityChannel), 0);
    for (int row = 1; row <= 16; ++row) {
        EXPECT_TRUE(Cell(row, 1).isEmpty()) << row;
    }
    EXPECT_FALSE(m_dlg->InUseBox()->isChecked());
    EXPECT_FALSE(m_page->PriorityChannelList()->isEnabled());
    // Leaving the (now empty) receive edit does not bring the channel back.
    m_dlg->RxEdit()->setFocus();
    Leave();
    EXPECT_EQ(Record(1), std::string(32, 'F'));
}

TEST_F(ChannelDlgFixture, ScanBoxAndPriorityList)
{
    Open(3);
    Type(m_dlg->RxEdit(), "410");
    Leave();
    EXPECT_TRUE(m_dlg->ScanBox()->isChecked()); // default: scanned
    EXPECT_NE(g_doc.image.ReadByte(0x017E) & 0x04, 0);
    EXPECT_GE(m_page->PriorityChannelList()->findData(3), 0);
    ClickBox(m_dlg->ScanBox());
    EXPECT_FALSE(m_dlg->ScanBox()->isChecked());
    EXPECT_EQ(g_doc.image.ReadByte(0x017E) & 0x04, 0);
    EXPECT_EQ(Cell(3, 7), Lang(90004));
    EXPECT_LT(m_page->PriorityChannelList()->findData(3), 0);
}

TEST_F(ChannelDlgFixture, DoubleClickOnThePageOpensTheEditorForThatRowInEitherLanguage)
{
    for (int language : {kLangEnglish, kLangChinese}) {
        g_nLanguage = language;
        ResetLangTextCache();
        InitAppFont();
        m_page->OnInitialUpdate();
        m_page->show();
        m_page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_page.get()));
        QTableWidget* table = m_page->ChannelTable();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<CChannelDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            dlg->windowHandle()->requestActivate();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dlg; }));
            seen = true;
            EXPECT_EQ(dlg->windowTitle(), Lang(4112));
            EXPECT_EQ(dlg->NumberEdit()->value(), 4);
            if (language == kLangChinese) {
                EXPECT_EQ(dlg->RxEdit()->font(), g_fontApp);
                EXPECT_EQ(dlg->ExitButton()->font(), g_fontApp);
            }
            dlg->RxEdit()->setFocus();
            QTest::keyClicks(dlg->RxEdit(), "462.5625");
            QTest::keyClick(dlg->RxEdit(), Qt::Key_Return); // on to the transmit edit
            QTest::keyClick(dlg->TxEdit(), Qt::Key_Return); // stores, on to the decode list
            dlg->ExitButton()->setFocus();
            QTest::keyClick(dlg->ExitButton(), Qt::Key_Return); // Enter on a button is its action
        });
        const QRect cell = table->visualItemRect(table->item(4, 2));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_TRUE(seen);
        EXPECT_EQ(Record(4).substr(0, 16), "5062254650622546");
        EXPECT_EQ(Cell(4, 1), "462.56250");
        EXPECT_EQ(Cell(4, 7), Lang(90003));
        EXPECT_EQ(table->item(4, 1)->background().color(), QColor(Qt::white)); // repainted on closing
        EXPECT_EQ(m_page->m_nSelRow, 4);
        g_doc.ResetToNew();
    }
    g_nLanguage = kLangEnglish;
    InitAppFont();
}
