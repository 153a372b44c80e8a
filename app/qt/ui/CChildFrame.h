// A child window of the main window's document area: holds one page (the editor page or an auxiliary
// editor) at the page's own size and gives the page the keyboard focus whenever the window becomes
// active. The editor page's window cannot be closed by the user.
#pragma once

#include <QMdiSubWindow>
#include <QPointer>

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of page. closable = false keeps the window open until the program ends.
    CChildFrame(QWidget* page, bool closable, QWidget* parent = nullptr);

    QWidget* Page() const { return m_page; }

    // Puts the keyboard focus into the page: on the control that had it last, else the first control
    // that takes the focus. Done whenever the window opens or becomes the active child window.
    void FocusPage();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);
    void OnFocusChanged(QWidget* old, QWidget* now);

    QWidget* m_page;
    bool m_closable;
    QPointer<QWidget> m_lastFocus; // the page's control that had the focus last
};

// The child window that holds page (possibly inside a scroll area), or nullptr.
QMdiSubWindow* PageWindow(QWidget* page);
// Closes the child window that holds page, or page itself when it stands alone (as in tests).
void ClosePageWindow(QWidget* page);
