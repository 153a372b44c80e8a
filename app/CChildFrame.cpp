// Child window of the document area holding one page.
#include "app/CChildFrame.h"

#include <QCloseEvent>
#include <QScrollArea>

CChildFrame::CChildFrame(QWidget* page, bool closable, QWidget* parent)
    : QMdiSubWindow(parent), m_page(page), m_closable(closable)
{
    if (closable) {
        setWidget(page);
        setAttribute(Qt::WA_DeleteOnClose);
        // An editor window keeps the size its page chose: no maximise button, no resize grip use.
        setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    } else {
        // The editor page fills the document area; when the main window is smaller than the page
        // (the channel table keeps readable rows), the page scrolls instead of being cut off.
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        setWidget(scroll);
        setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
    setWindowIcon(page->windowIcon());
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closable) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
