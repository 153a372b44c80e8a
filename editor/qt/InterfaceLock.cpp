// Mouse filter and no-entry cursor of the locked editor page.
#include "editor/qt/InterfaceLock.h"

#include <QChildEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "app/AppState.h"

namespace {
// Property holding a widget's own cursor shape while the no-entry cursor covers it.
constexpr const char* kSavedCursor = "vpxSavedCursorShape";
} // namespace

CInterfaceLock::CInterfaceLock(QWidget* root) : QObject(root), m_root(root) { Attach(root); }

void CInterfaceLock::Attach(QWidget* widget)
{
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        Attach(child);
    if (m_bCursorLocked)
        ApplyCursor(widget, true);
}

void CInterfaceLock::ApplyCursor(QWidget* widget, bool locked)
{
    if (locked) {
        if (!widget->property(kSavedCursor).isValid())
            widget->setProperty(kSavedCursor,
                                widget->testAttribute(Qt::WA_SetCursor) ? int(widget->cursor().shape()) : -1);
        widget->setCursor(Qt::ForbiddenCursor);
        return;
    }
    const QVariant saved = widget->property(kSavedCursor);
    if (!saved.isValid())
        return;
    const int shape = saved.toInt();
    if (shape >= 0)
        widget->setCursor(static_cast<Qt::CursorShape>(shape));
    else
        widget->unsetCursor();
    widget->setProperty(kSavedCursor, QVariant());
}

void CInterfaceLock::SyncCursor()
{
    if (m_root == nullptr || m_bCursorLocked == g_bLockInterface)
        return;
    m_bCursorLocked = g_bLockInterface;
    ApplyCursor(m_root, m_bCursorLocked);
    for (QWidget* w : m_root->findChildren<QWidget*>())
        ApplyCursor(w, m_bCursorLocked);
}

bool CInterfaceLock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            Attach(child);
        break;
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::MouseMove:
        SyncCursor();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        SyncCursor();
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (g_bLockInterface && (button == Qt::LeftButton || button == Qt::RightButton))
            return true;
        break;
    }
    case QEvent::Wheel:
        // A wheel turn over a list would change its entry: a mouse action like a click.
        if (g_bLockInterface)
            return true;
        break;
    case QEvent::ContextMenu:
        // The menu that a right click opens (e.g. Paste in a field); the keyboard's menu key still works.
        if (g_bLockInterface && static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse)
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
