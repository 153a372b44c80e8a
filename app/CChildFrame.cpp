// Child window of the document area holding one page.
#include "app/CChildFrame.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(QWidget* page, bool closable, QWidget* parent)
    : QMdiSubWindow(parent), m_page(page), m_closable(closable)
{
    setWidget(page);
    if (closable) {
        setAttribute(Qt::WA_DeleteOnClose);
        // An editor window keeps the size its page chose: no maximise button, no resize grip use.
        setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    } else {
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
