// Main window: wiring of menus, toolbar, status bar, the editor page's child window, placement and
// title (the command table is in CMainFrameCommands.cpp).
#include "app/qt/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/LangText.h"
#include "app/Startup.h"
#include "app/qt/EditCommands.h"
#include "app/qt/MainMenu.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/CChildFrame.h"
#include "app/qt/ui/MainFrameUi.h"
#include "app/qt/ui/UnsavedWork.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CMainFrm.h"

// Resources of a static library must be registered by name from the global namespace.
static void InitProgramResources() { Q_INIT_RESOURCE(vpxds); }

CMainFrame* g_pMainFrame = nullptr;

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

constexpr int kIdleRefreshMs = 250;

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    InitProgramResources();
    g_pMainFrame = this;
    SetMainFrameUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/vpxds/app.png")));

    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(palette().brush(QPalette::Dark));
    m_mdi->viewport()->installEventFilter(this);
    // Text fields claim some keys for themselves (Ctrl+A selects all); the program's accelerators hold
    // in every window of the main window, so those keys are taken from them before they see them
    // (eventFilter).
    qApp->installEventFilter(this);
    setCentralWidget(m_mdi);
    setContextMenuPolicy(Qt::NoContextMenu); // no menu of toolbars to hide: the toolbar always shows

    BuildMainMenu(menuBar(), this, m_actions);
    for (auto& [id, action] : m_actions) {
        const int commandId = id;
        connect(action, &QAction::triggered, this, [this, commandId] { OnCommand(commandId); });
    }
    CreateToolBar();
    CreateStatusBar();

    // The title and the status panes follow the document at all times; besides the explicit refreshes
    // after each command, a light timer stands in for the idle pass of a message loop.
    connect(&m_idleTimer, &QTimer::timeout, this, &CMainFrame::RefreshTitle);
    m_idleTimer.start(kIdleRefreshMs);
}

CMainFrame::~CMainFrame()
{
    ClearMainFrameUi(this);
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(16, 15));

    struct Button {
        int id; // 0 = separator
        int textNumber;
        const char* icon;
    };
    const Button buttons[] = {
        {cmd::kFileNew, 1001, "new"},
        {cmd::kFileOpen, 1002, "open"},
        {cmd::kFileSave, 1003, "save"},
        {0, 0, nullptr},
        {cmd::kReadData, 1004, "read"},
        {cmd::kWriteData, 1005, "write"},
        {0, 0, nullptr},
        {cmd::kHelpTopics, 1006, "help"},
        {cmd::kAppExit, 1007, "exit"},
    };
    const int side = g_nLanguage == kLangChinese ? 35 : 37;
    for (const Button& b : buttons) {
        if (b.id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_toolBar->addAction(
            QIcon(QStringLiteral(":/vpxds/%1.png").arg(QLatin1String(b.icon))), Text(b.textNumber));
        action->setData(b.id);
        action->setToolTip(Text(b.textNumber));
        action->setStatusTip(Text(b.textNumber));
        const int commandId = b.id;
        connect(action, &QAction::triggered, this, [this, commandId] { OnCommand(commandId); });
        if (QWidget* w = m_toolBar->widgetForAction(action)) {
            UseAppFont(w);
            // Square buttons; a caption wider than the square widens its button rather than being cut.
            const int textWidth = w->fontMetrics().horizontalAdvance(Text(b.textNumber)) + 4;
            w->setFixedSize(std::max(side, textWidth), side);
        }
        if (b.id == cmd::kHelpTopics)
            action->setVisible(false); // the help button exists but is hidden
    }

    // Logo area at the right end of the toolbar.
    auto* spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    m_logo = new QLabel(m_toolBar);
    m_logo->setObjectName(QStringLiteral("LogoArea"));
    m_logo->setPixmap(QPixmap(QStringLiteral(":/vpxds/logo.png")));
    m_logo->setContentsMargins(0, 2, 6, 0); // two pixels below the button tops, as the logo sits
    m_toolBar->addWidget(m_logo);
}

void CMainFrame::CreateStatusBar()
{
    m_filePane = new QLabel(this);
    m_filePane->setObjectName(QStringLiteral("FilePane"));
    m_portPane = new QLabel(this);
    m_portPane->setObjectName(QStringLiteral("PortPane"));
    m_portPane->setAlignment(Qt::AlignCenter);
    m_portPane->setMinimumWidth(35);
    statusBar()->addWidget(m_filePane, 1);
    statusBar()->addPermanentWidget(m_portPane);
}

void CMainFrame::CreateEditorChild()
{
    auto* page = new CMainFrm;
    m_editorChild = new CChildFrame(page, false, m_mdi);
    m_mdi->addSubWindow(m_editorChild);
    page->OnInitialUpdate();
    FitEditorChild();
    m_editorChild->show();
    RefreshTitle();
}

void CMainFrame::FitEditorChild()
{
    // The editor page fills the document area (its own minimum size permitting).
    if (m_editorChild != nullptr && !m_editorChild->isMaximized())
        m_editorChild->setGeometry(QRect(QPoint(0, 0), m_mdi->viewport()->size()));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (m_mdi != nullptr && watched == m_mdi->viewport() && event->type() == QEvent::Resize)
        FitEditorChild();
    if (event->type() == QEvent::ShortcutOverride) {
        // A widget that accepts the override keeps the key; left unaccepted, the key reaches the
        // accelerator. A text field keeps the keys that edit its own text (undo, redo, cut, copy,
        // paste); every other accelerator goes to its command.
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        const bool textEditingKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                                    key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
                                    key->matches(QKeySequence::Paste);
        if (widget != nullptr && widget->window() == this && !textEditingKey &&
            IsAcceleratorKey(QKeySequence(key->keyCombination()))) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::IsAcceleratorKey(const QKeySequence& key) const
{
    for (const auto& entry : m_actions) {
        if (entry.second->isEnabled() && entry.second->shortcuts().contains(key))
            return true;
    }
    return false;
}

void CMainFrame::PlaceOuter(const QRect& outer)
{
    m_outer = outer;
    m_bOuterPending = true;
    m_appliedMargins = QMargins(-1, -1, -1, -1); // nothing fitted yet
    ApplyOuterPlacement();
}

void CMainFrame::ApplyOuterPlacement()
{
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    if (margins == m_appliedMargins || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    m_appliedMargins = margins;
    if (!margins.isNull())
        m_bOuterPending = false; // the frame is known now
    resize(m_outer.width() - margins.left() - margins.right(),
           m_outer.height() - margins.top() - margins.bottom());
    move(m_outer.topLeft()); // a window's position is that of its frame
}

bool CMainFrame::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        // The window system tells the frame's size late, with a move or an activation.
        if (m_bOuterPending && isVisible())
            ApplyOuterPlacement();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::KeyPress:
        m_bOuterPending = false; // the user takes over: the window is theirs to size
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

QAction* CMainFrame::Action(int id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::MenuHasCommand(int id) const
{
    QAction* action = Action(id);
    if (action == nullptr)
        return false;
    const QList<QAction*> popups = menuBar()->actions();
    for (QAction* popup : popups) {
        if (popup->menu() != nullptr && popup->menu()->actions().contains(action))
            return true;
    }
    return false;
}

void CMainFrame::SetMenuCommandEnabled(int id, bool enabled)
{
    // Only a menu item that is there changes: the key of a pruned command keeps working.
    if (MenuHasCommand(id))
        Action(id)->setEnabled(enabled);
}

void CMainFrame::SetPortText(const QString& text)
{
    m_portPane->setText(text);
    // 35 pixels, wider when the name needs it.
    const int needed = m_portPane->fontMetrics().horizontalAdvance(text) + 8;
    m_portPane->setMinimumWidth(std::max(35, needed));
}

QString CMainFrame::FilePaneText() const
{
    const QString name = g_doc.path.empty() ? Text(90026) : QString::fromStdString(g_doc.path);
    return Text(2013) + QStringLiteral(": ") + name;
}

void CMainFrame::RefreshTitle()
{
    const QString title =
        QString::fromStdString(FormatWindowTitle(g_band.code, g_band.lower, g_band.upper, g_nRadioType));
    if (windowTitle() != title)
        setWindowTitle(title);
    const QString file = FilePaneText();
    if (m_filePane->text() != file)
        m_filePane->setText(file);
    if (QAction* testFreq = Action(cmd::kTestFrequency))
        testFreq->setEnabled(g_bTestEnabled);
    UpdateEditActions(Action(cmd::kEditUndo), Action(cmd::kEditRedo));
}

void CMainFrame::CloseWithoutAsking()
{
    m_bCloseConfirmed = true;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_bCloseConfirmed && !SaveChangesPrompt(this)) {
        // Cancel, or Yes with a save that did not happen: the window stays with the work in it.
        event->ignore();
        return;
    }
    m_idleTimer.stop();
    event->accept();
}
