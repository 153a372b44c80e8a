// The embedded-message editor, the test-frequency editor and the band-limit dialog driven as a
// user would; the image is checked afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTest>

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CBandLimitDlg.h"
#include "editor/qt/CEmbedMsgFrm.h"
#include "editor/qt/CTestFreqFrm.h"
#include "editor/qt/CToneList.h"
#include "tests/editor/chanedit_TestDir.h"

namespace {

void ShowActive(QWidget* w)
{
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(ChanEditEmbeddedMessageWindow, OkWritesBothLinesAndClosingOtherwiseDiscards)
{
    ChanEditTestDir dir;
    g_doc.ResetToNew();
    g_doc.image.Write(Addr::kEmbeddedLine1, "410042" + std::string(58, 'F'));
    {
        CEmbedMsgFrm frm;
        frm.OnInitialUpdate();
        EXPECT_EQ(frm.windowTitle(), QString::fromStdString(GetLangText(4433)));
        EXPECT_EQ(frm.Line1Edit()->text(), "A");
        EXPECT_EQ(frm.Line2Edit()->text(), "");
        ShowActive(&frm);
        TypeInto(frm.Line1Edit(), "XYZ");
        const std::string before = g_doc.image.Text();
        frm.close();
        EXPECT_EQ(g_doc.image.Text(), before);
    }
    {
        CEmbedMsgFrm frm;
        frm.OnInitialUpdate();
        ShowActive(&frm);
        TypeInto(frm.Line1Edit(), "AB");
        TypeInto(frm.Line2Edit(), QString(40, QLatin1Char('q')));
        EXPECT_EQ(frm.Line2Edit()->text().size(), 32); // longer text cannot be typed
        QTest::mouseClick(frm.OkButton(), Qt::LeftButton);
        EXPECT_FALSE(frm.isVisible());
    }
    EXPECT_EQ(g_doc.image.Read(Addr::kEmbeddedLine1, 32), "4142" + std::string(60, 'F'));
    std::string qs;
    for (int i = 0; i < 32; ++i) {
        qs += "71";
    }
    EXPECT_EQ(g_doc.image.Read(Addr::kEmbeddedLine2, 32), qs);
    {
        CEmbedMsgFrm frm;
        frm.OnInitialUpdate();
        ShowActive(&frm);
        TypeInto(frm.Line1Edit(), "");
        frm.Line1Edit()->insert(QString::fromUtf8("a\xC3\xA9z")); // pasted; the accent is not plain ASCII
        QTest::mouseClick(frm.OkButton(), Qt::LeftButton);
    }
    EXPECT_EQ(g_doc.image.Read(Addr::kEmbeddedLine1, 32), "617A" + std::string(60, 'F'));
    EXPECT_EQ(g_doc.image.Text().size(), 2048u);

    // OK without editing leaves both fields byte for byte, also bytes above 0x7F and after the end.
    g_doc.image.Write(Addr::kEmbeddedLine1,
                      "0123012341202612079859" + std::string(20, '0') + "4142" + std::string(18, 'F'));
    const std::string shown = g_doc.image.Text();
    {
        CEmbedMsgFrm frm;
        frm.OnInitialUpdate();
        ShowActive(&frm);
        QTest::mouseClick(frm.OkButton(), Qt::LeftButton);
    }
    EXPECT_EQ(g_doc.image.Text(), shown);
}

TEST(ChanEditTestFreqWindow, EditingFillsTheOtherColumnClearsRowsAndWritesOnOk)
{
    ChanEditTestDir dir;
    g_doc.ResetToNew();
    const std::string before = g_doc.image.Text();
    auto frm = std::make_unique<CTestFreqFrm>();
    frm->resize(400, 500);
    frm->OnInitialUpdate();
    ShowActive(frm.get());
    QTableWidget* grid = frm->Grid();
    EXPECT_EQ(grid->rowCount(), 17);
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->item(1, 1)->text(), "420.00000");
    EXPECT_EQ(grid->item(3, 2)->text(), "469.97500");
    EXPECT_EQ(grid->item(16, 0)->text(), "16");
    // The rows share the grid's height: h / 17 each, the header row the rest, no gap below row 16.
    const int h = grid->viewport()->height();
    EXPECT_EQ(grid->rowHeight(1), h / 17);
    EXPECT_EQ(grid->rowViewportPosition(16) + grid->rowHeight(16), h);
    // At the window's own size every column caption can be read in full: on one line, or wrapped
    // within the header row; and every channel row holds a line of text.
    {
        CTestFreqFrm natural;
        natural.OnInitialUpdate();
        natural.adjustSize();
        QApplication::processEvents();
        const QTableWidget* g = natural.Grid();
        for (int col = 0; col < 3; ++col) {
            const QTableWidgetItem* header = g->item(0, col);
            const QFontMetrics metrics(header->font());
            // The cell's text margins, as the style draws item texts.
            const int margin = g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1;
            const int width = g->columnWidth(col) - 2 * margin;
            const bool oneLine = metrics.horizontalAdvance(header->text()) <= width;
            const QRect wrapped =
                metrics.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, header->text());
            EXPECT_TRUE(oneLine || (g->wordWrap() && wrapped.width() <= width &&
                                    wrapped.height() + 4 <= g->rowHeight(0)))
                << header->text().toStdString();
        }
        EXPECT_GE(g->rowHeight(1), QFontMetrics(g->item(1, 1)->font()).height());
    }

    auto click = [&](int row, int col) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, col)).center());
    };
    // Rows 5 to 12 are the radio's calibration: they say so and take no typing.
    EXPECT_EQ(grid->rowSpan(5, 1), 8);
    EXPECT_EQ(grid->columnSpan(5, 1), 2);
    ASSERT_NE(frm->CalibrationNote(), nullptr);
    EXPECT_EQ(frm->CalibrationNote()->text(),
              QString::fromStdString(GetLangText(9628) + "\n\n" + GetLangText(9629)));
    const QLabel* note = frm->CalibrationNote();
    EXPECT_LE(note->heightForWidth(note->width()), note->height()); // the whole note can be read
    click(5, 1);
    EXPECT_FALSE(frm->CellEditor()->isVisible());
    frm->CommitText(8, 1, "430");
    EXPECT_TRUE(grid->item(8, 1)->text().isEmpty());

    // Row 4 is empty: a receive frequency fills the transmit cell too.
    click(4, 1);
    ASSERT_TRUE(frm->CellEditor()->isVisible());
    QTest::keyClicks(frm->CellEditor(), "1200");
    QTest::keyClick(frm->CellEditor(), Qt::Key_Return);
    EXPECT_EQ(grid->item(4, 1)->text(), "999.00000");
    EXPECT_EQ(grid->item(4, 2)->text(), "999.00000");
    EXPECT_EQ(grid->item(4, 1)->foreground().color(), QColor(255, 0, 0)); // outside 400 ... 470
    // Enter moved to column 2 of the same row.
    QTest::keyClicks(frm->CellEditor(), "446.00625");
    QTest::keyClick(frm->CellEditor(), Qt::Key_Return);
    EXPECT_EQ(grid->item(4, 2)->text(), "446.00625");
    EXPECT_EQ(grid->item(4, 2)->foreground().color(), QColor(Qt::black));
    // ... and then to column 1 of the next row that is no calibration: row 13.
    QTest::keyClicks(frm->CellEditor(), "430");
    click(2, 2); // clicking another cell commits as well
    EXPECT_EQ(grid->item(13, 1)->text(), "430.00000");
    EXPECT_EQ(grid->item(13, 2)->text(), "430.00000");
    // An empty text in either column clears the whole row.
    frm->CellEditor()->clear();
    QTest::keyClick(frm->CellEditor(), Qt::Key_Return);
    EXPECT_TRUE(grid->item(2, 1)->text().isEmpty());
    EXPECT_TRUE(grid->item(2, 2)->text().isEmpty());
    // From the last row Enter goes back to row 1.
    click(16, 2);
    QTest::keyClicks(frm->CellEditor(), "401");
    QTest::keyClick(frm->CellEditor(), Qt::Key_Return);
    QTest::keyClicks(frm->CellEditor(), "402");
    EXPECT_EQ(g_doc.image.Text(), before); // nothing written before OK
    QTest::mouseClick(frm->OkButton(), Qt::LeftButton);

    EXPECT_EQ(g_doc.image.Read(0x0280, 8), "0000204000250142");   // row 1: 402 typed, committed by OK
    EXPECT_EQ(g_doc.image.Read(0x0288, 8), std::string(16, 'F')); // row 2 cleared
    EXPECT_EQ(g_doc.image.Read(0x0290, 8), "0000004700759946");   // row 3 as the band default had it
    EXPECT_EQ(g_doc.image.Read(0x0298, 8), "0000909925066044");   // row 4
    EXPECT_EQ(g_doc.image.Read(0x02A0, 64), before.substr(2 * 0x02A0, 128)); // rows 5-12 untouched
    EXPECT_EQ(g_doc.image.Read(0x02E0, 8), "0000004300000043");              // row 13
    EXPECT_EQ(g_doc.image.Read(0x02F8, 8), "0000104000001040");              // row 16
    EXPECT_EQ(g_doc.image.Text().substr(0, 0x0280 * 2), before.substr(0, 0x0280 * 2));
    EXPECT_EQ(g_doc.image.Text().substr(0x0300 * 2), before.substr(0x0300 * 2));

    // A second editor reads back exactly what was written.
    auto again = std::make_unique<CTestFreqFrm>();
    again->OnInitialUpdate();
    for (int row = 1; row <= 16; ++row) {
        for (int col = 1; col <= 2; ++col) {
            EXPECT_EQ(again->Grid()->item(row, col)->text(), grid->item(row, col)->text())
                << row << "," << col;
        }
    }
}

TEST(ChanEditTestFreqWindow, CancelWritesNothing)
{
    ChanEditTestDir dir;
    g_doc.ResetToNew();
    const std::string before = g_doc.image.Text();
    CTestFreqFrm frm;
    frm.OnInitialUpdate();
    ShowActive(&frm);
    frm.CommitText(1, 1, "");
    EXPECT_TRUE(frm.Grid()->item(1, 2)->text().isEmpty());
    QTest::mouseClick(frm.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(g_doc.image.Text(), before);
}

TEST(ChanEditBandLimitWindow, CorrectionsOnLeavingEditsAndOkWritesTheCustomBand)
{
    ChanEditTestDir dir;
    g_doc.ResetToNew();
    g_doc.image.Write(Addr::kCustomLower, "00000040"); // 400 ... 480 MHz, IF 45.00, oscillator off
    g_doc.image.Write(Addr::kCustomUpper, "00000048");
    g_doc.image.Write(Addr::kCustomIf, "0045");
    g_doc.image.WriteByte(Addr::kCustomHighLo, 0);

    CBandLimitDlg dlg;
    EXPECT_EQ(dlg.LowEdit()->text(), "400.00000");
    EXPECT_EQ(dlg.HighEdit()->text(), "480.00000");
    EXPECT_EQ(dlg.IfEdit()->text(), "45.00");
    EXPECT_FALSE(dlg.HighSideBox()->isChecked());
    ShowActive(&dlg);

    TypeInto(dlg.LowEdit(), "400");
    dlg.IfEdit()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dlg.LowEdit()->text(), "400.00000");
    EXPECT_EQ(dlg.HighEdit()->text(), "470.00000");

    TypeInto(dlg.HighEdit(), "300");
    dlg.IfEdit()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dlg.HighEdit()->text(), "300.00000");
    EXPECT_EQ(dlg.LowEdit()->text(), "300.00000");

    TypeInto(dlg.LowEdit(), "50");
    dlg.IfEdit()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dlg.LowEdit()->text(), "100.00000");
    EXPECT_EQ(dlg.HighEdit()->text(), "170.00000");

    TypeInto(dlg.IfEdit(), "150");
    dlg.LowEdit()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dlg.IfEdit()->text(), "99.99");

    TypeInto(dlg.LowEdit(), "446.1");
    TypeInto(dlg.HighEdit(), "447");
    TypeInto(dlg.IfEdit(), "49.95");
    QTest::mouseClick(dlg.HighSideBox(), Qt::LeftButton);
    const std::string before = g_doc.image.Text();
    QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), 1);
    EXPECT_EQ(g_doc.image.Read(Addr::kCustomLower, 4), "00006144");
    EXPECT_EQ(g_doc.image.Read(Addr::kCustomUpper, 4), "00007044");
    EXPECT_EQ(g_doc.image.Read(Addr::kCustomIf, 2), "9549");
    EXPECT_EQ(g_doc.image.ReadByte(Addr::kCustomHighLo), 1);
    EXPECT_EQ(g_doc.image.Read(Addr::kModelBlock, 8), GetModelHead(0, 1) + "FFF8FF");
    EXPECT_EQ(g_doc.image.Text().size(), 2048u);
    // Nothing outside the model block and the band fields changed.
    EXPECT_EQ(g_doc.image.Text().substr(0, 0x01B8 * 2), before.substr(0, 0x01B8 * 2));
    EXPECT_EQ(g_doc.image.Text().substr(0x035D * 2), before.substr(0x035D * 2));

    // The band that follows is the custom band with the new limits.
    ApplyBand(g_doc.image.Text());
    EXPECT_EQ(g_band.code, "FF");
    EXPECT_DOUBLE_EQ(g_band.lower, 446.1);
    EXPECT_DOUBLE_EQ(g_band.upper, 447.0);
    g_doc.ResetToNew();
}

TEST(ChanEditBandLimitWindow, CancelWritesNothingAndEmptyFieldsShowEmpty)
{
    ChanEditTestDir dir;
    g_doc.ResetToNew();
    const std::string before = g_doc.image.Text();
    CBandLimitDlg dlg;
    EXPECT_TRUE(dlg.LowEdit()->text().isEmpty());
    EXPECT_TRUE(dlg.HighEdit()->text().isEmpty());
    EXPECT_TRUE(dlg.IfEdit()->text().isEmpty());
    ShowActive(&dlg);
    TypeInto(dlg.LowEdit(), "410");
    dlg.HighEdit()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dlg.IfEdit()->text(), "50.00");
    QTest::mouseClick(dlg.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), 0);
    EXPECT_EQ(g_doc.image.Text(), before);
}

TEST(ChanEditToneList, RefillKeepsTheChosenTone)
{
    ChanEditTestDir dir;
    CToneList list;
    list.FillToneList(0);
    ASSERT_EQ(list.count(), 205);
    EXPECT_EQ(list.itemText(0), QString::fromStdString(GetLangText(90020)));
    EXPECT_EQ(list.itemText(1), "67.0");
    EXPECT_EQ(list.itemText(38), "250.3");
    EXPECT_EQ(list.itemText(39), "D023N");
    EXPECT_EQ(list.itemText(204), "D754I");

    list.SelectToneText("D754I");
    list.FillToneList(0);
    EXPECT_EQ(list.currentText(), "D754I");

    // A tone outside the list survives a refill only while illegal tones are allowed.
    list.SelectToneText("100.2");
    EXPECT_EQ(list.currentIndex(), -1);
    list.FillToneList(0);
    EXPECT_EQ(list.currentIndex(), 0);
    dir.AllowIllegalTones();
    list.SelectToneText("100.2");
    list.FillToneList(0);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.currentText(), "100.2");
}
