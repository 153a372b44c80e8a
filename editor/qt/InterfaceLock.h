// The interface lock of the editor page: while g_bLockInterface is set, mouse button presses,
// releases and double-clicks (and the wheel and right-click menus) on the page or any of its controls
// are discarded and the cursor over it is the no-entry cursor. The keyboard keeps working.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

class CInterfaceLock : public QObject {
    Q_OBJECT
public:
    explicit CInterfaceLock(QWidget* root);

    // Watches root and every widget below it, including those added later.
    void Attach(QWidget* widget);
    // Puts the cursor in step with g_bLockInterface (the lock may change while the page is shown).
    void SyncCursor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyCursor(QWidget* widget, bool locked);

    QPointer<QWidget> m_root;
    bool m_bCursorLocked = false;
};
