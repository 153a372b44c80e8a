// The program's one top-level window: menus, toolbar, status bar and the multiple-document area that
// holds the editor page and the auxiliary editor windows; dispatches every command by its id.
#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>

#include <map>

#include "app/qt/ui/MainFrameUi.h"

class QAction;
class QKeySequence;
class QLabel;
class QMdiArea;
class QToolBar;
class QMenu;
class CChildFrame;
class CMainFrm;

class CMainFrame : public QMainWindow, public MainFrameUi {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Creates the child window with the editor page and runs its initial update (start-up step 16).
    void CreateEditorChild();

    // Runs the command with this id, whether or not a menu item or button carries it (the command
    // table and the windows it opens: CMainFrameCommands.cpp).
    void OnCommand(int id);

    // Title and status panes from the current document and band state.
    void RefreshTitle() override;
    // Port pane text (upper-case port name).
    void SetPortText(const QString& text);
    QString FilePaneText() const;
    QLabel* PortPane() const { return m_portPane; }

    // The action of a command (menu, toolbar or key); nullptr for an unknown id.
    QAction* Action(int id) const;
    // True when the menu bar holds an item for the command.
    bool MenuHasCommand(int id) const;
    // Enables or grays the command's menu item where the menu holds one.
    void SetMenuCommandEnabled(int id, bool enabled);
    QToolBar* ToolBar() const { return m_toolBar; }
    QLabel* LogoArea() const { return m_logo; }
    QMdiArea* MdiArea() const { return m_mdi; }
    CChildFrame* EditorChild() const { return m_editorChild; }
    QMdiSubWindow* TestFreqWindow() const { return m_testFreqWnd; }
    QMdiSubWindow* EmbedMsgWindow() const { return m_embedMsgWnd; }
    QMdiSubWindow* ComPortWindow() const { return m_comPortWnd; }

    // True: the window closes without the unsaved-changes question (asked already, or a test's or
    // the start-up probe's window).
    void SetCloseConfirmed(bool confirmed) { m_bCloseConfirmed = confirmed; }
    // The language switch, which has asked about unsaved changes already, ends the program.
    void CloseWithoutAsking() override;

    // Places the window so that its outer rectangle, frame and title bar included, is `outer`; the
    // frame's size is known only once the window is on screen, so the size follows it until then.
    void PlaceOuter(const QRect& outer);

    // True when the key is one of the main window's accelerators (menu keys included).
    bool IsAcceleratorKey(const QKeySequence& key) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateToolBar();
    void CreateStatusBar();
    QMdiSubWindow* AddChild(QWidget* page, const QString& title);
    void PlaceCentred(QMdiSubWindow* child);
    // Puts a child window at offset from its default place (the document area's top-left corner),
    // moved back only as far as needed to keep it wholly in the area.
    void PlaceAtOffset(QMdiSubWindow* child, const QPoint& offset);
    // Sizes a child window to its page once the page has been filled.
    void FitChildToPage(QMdiSubWindow* child);
    void OpenTestFrequency();
    void OpenEmbeddedMessage();
    void OpenComPort();
    void FitEditorChild();
    void ApplyOuterPlacement();

    QMdiArea* m_mdi = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_filePane = nullptr;
    QLabel* m_portPane = nullptr;
    bool m_bCloseConfirmed = false;
    QTimer m_idleTimer;
    std::map<int, QAction*> m_actions;
    CChildFrame* m_editorChild = nullptr;
    QPointer<QMdiSubWindow> m_testFreqWnd;
    QPointer<QMdiSubWindow> m_embedMsgWnd;
    QPointer<QMdiSubWindow> m_comPortWnd;
    QRect m_outer;                // the outer rectangle asked for by PlaceOuter
    QMargins m_appliedMargins;    // the frame margins the size was last fitted to
    bool m_bOuterPending = false; // the frame may still change: keep fitting the size to it
};

// The one main window while it exists. The program's own windows and commands report to it through
// MainFrameUi; the tests look at it here.
extern CMainFrame* g_pMainFrame;
