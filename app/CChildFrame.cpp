// Child window of the document area holding one page.
#include "app/CChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
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

    // The toolkit gives a child window's Close item the desktop's close keys, Ctrl+W among them here,
    // which is the program's Write key: the child keeps its other keys and Ctrl+W reaches Write.
    if (QMenu* menu = systemMenu()) {
        const QKeySequence writeKey(Qt::CTRL | Qt::Key_W);
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(writeKey) > 0)
                action->setShortcuts(keys);
        }
    }
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closable) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

QMdiSubWindow* PageWindow(QWidget* page)
{
    for (QWidget* w = page->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
    }
    return nullptr;
}

void ClosePageWindow(QWidget* page)
{
    if (QMdiSubWindow* sub = PageWindow(page))
        sub->close();
    else
        page->close();
}
