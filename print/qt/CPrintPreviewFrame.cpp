// Print preview window.
#include "print/qt/CPrintPreviewFrame.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "print/qt/CGotoPageDlg.h"
#include "print/qt/CPreviewPageArea.h"
#include "print/qt/ReportPrinting.h"

namespace {

const QColor kPreviewBackground(60, 70, 120);

QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }

// A 2-pixel line across the window.
QFrame* SeparatorLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setLineWidth(1);
    line->setFixedHeight(2);
    return line;
}

} // namespace

CPrintPreviewFrame::CPrintPreviewFrame(const ReportJob& job, QWidget* parent) : QDialog(parent), m_job(job)
{
    m_job.printing = false;
    m_job.currentPage = 1;
    setWindowTitle(Lang(9512));
    setWindowIcon(QIcon(QStringLiteral(":/vpxds/preview.png")));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!CreateToolBar()) {
        ShowTextError(7601); // the window stays, without toolbar and page area
        return;
    }
    layout->addWidget(SeparatorLine(this));
    layout->addWidget(m_toolBar);
    layout->addWidget(SeparatorLine(this));
    m_pageArea = new CPreviewPageArea(m_job, this);
    layout->addWidget(m_pageArea, 1);
    UpdateButtons();
}

bool CPrintPreviewFrame::CreateToolBar()
{
    struct ButtonArt {
        Button button;
        const char* image;
    };
    static constexpr ButtonArt kArt[] = {
        {kFirst, "preview-first"}, {kPrevious, "preview-previous"}, {kGoto, "preview-goto"},
        {kNext, "preview-next"},   {kLast, "preview-last"},         {kClose, "preview-close"},
        {kPrint, "preview-print"},
    };
    QPixmap images[kButtonCount];
    for (const ButtonArt& art : kArt) {
        images[art.button] = QPixmap(QStringLiteral(":/vpxds/%1.png").arg(QLatin1String(art.image)));
        if (images[art.button].isNull())
            return false;
    }
    // Captions of the seven buttons in one text, separated by "|".
    QStringList captions = Lang(9513).split(QLatin1Char('|'));
    while (captions.size() < kButtonCount)
        captions << QString();

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("PreviewToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setAutoFillBackground(true); // over the window's own background
    UseAppFont(m_toolBar);
    auto add = [this, &images, &captions](Button button, void (CPrintPreviewFrame::*slot)()) {
        QAction* action = m_toolBar->addAction(QIcon(images[button]), captions[button].trimmed());
        action->setToolTip(captions[button].trimmed());
        connect(action, &QAction::triggered, this, slot);
        m_actions[button] = action;
    };
    add(kFirst, &CPrintPreviewFrame::OnFirstPage);
    add(kPrevious, &CPrintPreviewFrame::OnPreviousPage);
    m_toolBar->addSeparator();
    add(kGoto, &CPrintPreviewFrame::OnGotoPage);
    m_toolBar->addSeparator();
    add(kNext, &CPrintPreviewFrame::OnNextPage);
    add(kLast, &CPrintPreviewFrame::OnLastPage);
    m_toolBar->addSeparator();
    add(kClose, &CPrintPreviewFrame::reject);
    m_toolBar->addSeparator();
    add(kPrint, &CPrintPreviewFrame::OnPrint);
    return true;
}

void CPrintPreviewFrame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), kPreviewBackground);
}

int CPrintPreviewFrame::exec()
{
    if (m_job.rowCount <= 0)
        return QDialog::Rejected; // nothing to show: the window closes as it opens
    // The whole work area, also where no window manager carries out the maximised state.
    if (const QScreen* screen =
            parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    return QDialog::exec();
}

void CPrintPreviewFrame::UpdateButtons()
{
    if (m_toolBar == nullptr)
        return;
    const bool notFirst = m_job.currentPage > 1;
    const bool notLast = m_job.currentPage < m_job.pageCount;
    m_actions[kFirst]->setEnabled(notFirst);
    m_actions[kPrevious]->setEnabled(notFirst);
    m_actions[kNext]->setEnabled(notLast);
    m_actions[kLast]->setEnabled(notLast);
}

void CPrintPreviewFrame::ShowPage(int page)
{
    m_job.currentPage = std::clamp(page, 1, std::max(1, m_job.pageCount));
    if (m_pageArea != nullptr)
        m_pageArea->SetPage(m_job.currentPage);
    UpdateButtons();
}

void CPrintPreviewFrame::OnFirstPage() { ShowPage(1); }

void CPrintPreviewFrame::OnPreviousPage() { ShowPage(m_job.currentPage - 1); }

void CPrintPreviewFrame::OnNextPage() { ShowPage(m_job.currentPage + 1); }

void CPrintPreviewFrame::OnLastPage() { ShowPage(m_job.pageCount); }

void CPrintPreviewFrame::OnGotoPage()
{
    CGotoPageDlg dialog(m_job.currentPage, m_job.pageCount, this);
    if (dialog.exec() == QDialog::Accepted)
        ShowPage(dialog.Page());
}

void CPrintPreviewFrame::OnPrint()
{
    ReportJob job = m_job;
    job.copies = 1;
    job.printing = true;
    PrintReport(this, job);
}
