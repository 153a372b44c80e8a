// The print preview window driven through its widgets: the toolbar's enable rules and page moves, the
// go-to-page dialog's clamping, the zoom cycle of left clicks, the wheel, the centred page, the empty
// report that closes at once, and Print without a printer.
#include <QApplication>
#include <QAction>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "editor/qt/CSpinEdit.h"
#include "print/PreviewGeometry.h"
#include "print/qt/CGotoPageDlg.h"
#include "print/qt/CPreviewPageArea.h"
#include "print/qt/CPrintPreviewFrame.h"
#include "print/qt/ReportPrinting.h"
#include "tests/support/TestAppDir.h"

namespace {

using Button = CPrintPreviewFrame::Button;

// Runs the go-to-page dialog that action opens: answer types into its field and presses a button.
void AnswerGotoDialog(const std::function<void()>& action, const std::function<void(CGotoPageDlg*)>& answer)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CGotoPageDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || seen)
            return;
        seen = true;
        QApplication::setActiveWindow(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        answer(dialog);
        if (dialog->isVisible())
            dialog->reject(); // a test that pressed nothing still ends
    });
    poll.start();
    action();
    poll.stop();
    EXPECT_TRUE(seen) << "the go-to-page dialog did not open";
}

class PreviewWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_nLanguage = kLangEnglish;
        InitAppFont();
        MsgBox::ClearAnswers();
        MsgBox::SetNonInteractive(true);
    }
    void TearDown() override
    {
        SetReportPrinterFactory({});
        MsgBox::ClearAnswers();
    }

    // A report with rows table rows (header included).
    static ReportJob Job(int rows)
    {
        ReportModel model;
        model.title = "MX6+ Code Plug Report";
        for (int r = 0; r < rows; ++r)
            model.rows.push_back({r == 0 ? "Ch. No." : std::to_string(r), "", "", "", "", "", ""});
        return MakeReportJob(model);
    }

    static std::vector<bool> States(const CPrintPreviewFrame& p)
    {
        return {p.Action(Button::kFirst)->isEnabled(), p.Action(Button::kPrevious)->isEnabled(),
                p.Action(Button::kNext)->isEnabled(), p.Action(Button::kLast)->isEnabled()};
    }

    TestAppDir m_dir{"vpx-preview-", TestAppDir::Texts::Project};
};

} // namespace

TEST_F(PreviewWindow, ButtonsFollowThePageAndMoveThroughTheReport)
{
    CPrintPreviewFrame one(Job(17));
    EXPECT_EQ(one.windowTitle(), QStringLiteral("Print Preview"));
    EXPECT_EQ(one.PageCount(), 1);
    EXPECT_EQ(States(one), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(one.Action(Button::kGoto)->isEnabled());
    EXPECT_TRUE(one.Action(Button::kPrint)->isEnabled());
    EXPECT_EQ(one.Action(Button::kGoto)->text(), QStringLiteral("Go to Page"));

    CPrintPreviewFrame three(Job(65));
    ASSERT_EQ(three.PageCount(), 3);
    EXPECT_EQ(States(three), (std::vector<bool>{false, false, true, true}));
    three.Action(Button::kNext)->trigger();
    EXPECT_EQ(three.CurrentPage(), 2);
    EXPECT_EQ(three.PageArea()->Page(), 2);
    EXPECT_EQ(States(three), (std::vector<bool>{true, true, true, true}));
    three.Action(Button::kLast)->trigger();
    EXPECT_EQ(three.CurrentPage(), 3);
    EXPECT_EQ(States(three), (std::vector<bool>{true, true, false, false}));
    three.Action(Button::kPrevious)->trigger();
    EXPECT_EQ(three.CurrentPage(), 2);
    three.Action(Button::kFirst)->trigger();
    EXPECT_EQ(three.CurrentPage(), 1);
    EXPECT_EQ(States(three), (std::vector<bool>{false, false, true, true}));
}

TEST_F(PreviewWindow, GoToPageKeepsTheNumberWithinThePages)
{
    CPrintPreviewFrame preview(Job(65));
    auto type = [](CGotoPageDlg* d, const QString& text) {
        QLineEdit* edit = d->PageField()->Edit();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    // Above the page count: the field shows the last page once it is left, and OK goes there.
    AnswerGotoDialog([&] { preview.Action(Button::kGoto)->trigger(); },
                     [&](CGotoPageDlg* d) {
                         EXPECT_EQ(d->PageField()->Edit()->text(), QStringLiteral("1")); // the current page
                         type(d, QStringLiteral("9"));
                         d->OkButton()->setFocus();
                         QApplication::processEvents();
                         EXPECT_EQ(d->PageField()->Edit()->text(), QStringLiteral("3"));
                         d->OkButton()->click();
                     });
    EXPECT_EQ(preview.CurrentPage(), 3);
    // 0 becomes 1 on OK, even without leaving the field; letters cannot be typed at all.
    AnswerGotoDialog([&] { preview.Action(Button::kGoto)->trigger(); },
                     [&](CGotoPageDlg* d) {
                         EXPECT_EQ(d->PageField()->Edit()->text(), QStringLiteral("3"));
                         type(d, QStringLiteral("0x"));
                         EXPECT_EQ(d->PageField()->Edit()->text(), QStringLiteral("0"));
                         d->OkButton()->click();
                         EXPECT_EQ(d->PageField()->Edit()->text(), QStringLiteral("1"));
                     });
    EXPECT_EQ(preview.CurrentPage(), 1);
    // The spin arrows stop at the ends; Cancel keeps the page.
    AnswerGotoDialog([&] { preview.Action(Button::kGoto)->trigger(); },
                     [&](CGotoPageDlg* d) {
                         d->PageField()->Step(-1);
                         EXPECT_EQ(d->PageField()->Edit()->text(), QStringLiteral("1"));
                         d->PageField()->Step(1);
                         d->PageField()->Step(1);
                         d->PageField()->Step(1);
                         EXPECT_EQ(d->PageField()->Edit()->text(), QStringLiteral("3"));
                         d->CancelButton()->click();
                     });
    EXPECT_EQ(preview.CurrentPage(), 1);
}

TEST_F(PreviewWindow, LeftClicksCycleTheZoomAndResetTheScrollBars)
{
    CPrintPreviewFrame preview(Job(17));
    preview.resize(900, 700);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    CPreviewPageArea* area = preview.PageArea();
    area->viewport()->repaint();

    const QSize client = area->viewport()->size();
    const PixelSize canvas = PreviewCanvasSize(area->logicalDpiX(), area->logicalDpiY());
    const double f = std::min(1.0, std::min(static_cast<double>(client.width()) / canvas.width,
                                            static_cast<double>(client.height()) / canvas.height));
    ASSERT_LT(f, 1.0) << "the test needs a window smaller than the page";
    EXPECT_DOUBLE_EQ(area->Zoom().Current(), f);
    // The fitted page stands in the middle of the area.
    EXPECT_NEAR(area->PageRect().center().x(), client.width() / 2.0, 2);
    EXPECT_NEAR(area->PageRect().center().y(), client.height() / 2.0, 2);
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);

    QTest::mouseClick(area->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(area->Zoom().Current(), 1.0);
    EXPECT_EQ(area->verticalScrollBar()->maximum(), canvas.height - client.height());
    EXPECT_EQ(area->verticalScrollBar()->singleStep(), 15);
    EXPECT_EQ(area->verticalScrollBar()->pageStep(), client.height());
    area->verticalScrollBar()->setValue(100);
    area->horizontalScrollBar()->setValue(70);
    EXPECT_EQ(area->PageRect().topLeft(),
              QPoint(area->logicalDpiX() / 2 - 70, area->logicalDpiY() / 2 - 100));

    // The wheel scrolls 15-pixel lines, also while the focus is on the toolbar.
    preview.ToolBar()->setFocus();
    const int lines = QApplication::wheelScrollLines();
    QWheelEvent down(QPointF(50, 50), area->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(area->viewport(), &down);
    EXPECT_EQ(area->verticalScrollBar()->value(), 100 + 15 * lines);

    QTest::mouseClick(area->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(area->Zoom().Current(), 0.7 * f);
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);
    EXPECT_EQ(area->horizontalScrollBar()->value(), 0);
    QTest::mouseClick(area->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_DOUBLE_EQ(area->Zoom().Current(), f); // back where it opened

    // The page bitmap is the page at screen resolution.
    EXPECT_EQ(area->PageBitmap().width(), PreviewPageSize(area->logicalDpiX(), area->logicalDpiY()).width);
}

TEST_F(PreviewWindow, EmptyReportClosesAtOnceAndPrintNeedsAPrinter)
{
    {
        CPrintPreviewFrame empty(Job(0));
        bool shown = false;
        QTimer guard; // closes the window should it stay open, so that a failing test ends
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                shown = true;
                w->close();
            }
        });
        guard.start(0);
        EXPECT_EQ(empty.exec(), QDialog::Rejected);
        EXPECT_FALSE(shown);
    }

    SetReportPrinterFactory([] { return std::unique_ptr<QPrinter>(); }); // a system without printers
    CPrintPreviewFrame preview(Job(17));
    preview.Action(Button::kPrint)->trigger();
    EXPECT_EQ(MsgBox::ShownTexts(), QStringList{QString::fromStdString(GetLangText(7603))});
    EXPECT_TRUE(preview.Action(Button::kClose)->isEnabled());
}
