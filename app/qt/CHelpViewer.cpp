// The manual's window, the choice of the page for the window in front, and the F1 key of dialogs.
#include "app/qt/CHelpViewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/HelpTopics.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

QPointer<CHelpViewer> s_viewer;

// The page for a widget's class or the nearest of its base classes that has one.
std::string TopicOfClass(const QWidget* widget)
{
    for (const QMetaObject* m = widget->metaObject(); m != nullptr; m = m->superClass()) {
        std::string topic = HelpTopicForWindow(m->className());
        if (!topic.empty())
            return topic;
    }
    return {};
}

// The page for a window: a main window with a document area asks its current child window first;
// a window without a page of its own (a message box) asks the window it belongs to.
std::string TopicFor(QWidget* window)
{
    for (QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        if (auto* main = qobject_cast<QMainWindow*>(w)) {
            auto* area = qobject_cast<QMdiArea*>(main->centralWidget());
            QMdiSubWindow* child = area != nullptr ? area->currentSubWindow() : nullptr;
            if (child != nullptr && child->widget() != nullptr) {
                std::string topic = TopicOfClass(child->widget());
                if (!topic.empty())
                    return topic;
            }
        }
        std::string topic = TopicOfClass(w);
        if (!topic.empty())
            return topic;
    }
    return {};
}

class HelpKeyFilter : public QObject {
public:
    explicit HelpKeyFilter(QWidget* mainWindow) : QObject(mainWindow), m_main(mainWindow) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || widget == nullptr)
            return false;
        QWidget* window = widget->window();
        if (window == m_main || qobject_cast<CHelpViewer*>(window) != nullptr)
            return false; // the main window's F1 is its Help command; the manual has nothing to add
        ShowHelp(window);
        return true;
    }

private:
    QWidget* m_main;
};

} // namespace

CHelpViewer::CHelpViewer(QWidget* parent, const QString& contentsPage)
    : QWidget(parent, Qt::Window), m_contents(contentsPage)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text(9660));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_back = new QToolButton(this);
    m_back->setText(Text(9661));
    m_forward = new QToolButton(this);
    m_forward->setText(Text(9662));
    auto* contents = new QToolButton(this);
    contents->setText(Text(9663));
    auto* close = new QPushButton(Text(90035), this);
    UseAppFont({m_back, m_forward, contents, close});
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(contents);
    bar->addStretch();
    bar->addWidget(close);
    layout->addLayout(bar);

    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { ShowPage(m_contents, QString()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(Text(9660) + QStringLiteral(" - ") + m_browser->documentTitle()); });
    resize(900, 660);
}

void CHelpViewer::ShowPage(const QString& file, const QString& section)
{
    QUrl url = QUrl::fromLocalFile(file);
    if (!section.isEmpty())
        url.setFragment(section);
    m_browser->setSource(url);
}

QString CHelpViewer::CurrentPage() const { return m_browser->source().toLocalFile(); }

void ShowHelp(QWidget* front, bool contents)
{
    // The compiled-help file of the model, where one lies in the application directory.
    const std::string helpFile = HelpFileName();
    if (!helpFile.empty()) {
        const QString path = QString::fromStdString(AppFilePath(helpFile));
        if (QFileInfo(path).isFile()) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
            return;
        }
    }
    const std::string root =
        FindManualRoot(QCoreApplication::applicationDirPath().toStdString(), g_strDataDir);
    if (root.empty()) {
        ShowTextError(9665);
        return;
    }
    const std::string topic = contents || front == nullptr ? std::string() : TopicFor(front);
    const QString page = QString::fromStdString(ManualPageFile(root, g_nLanguage, topic));
    const QString contentsPage = QString::fromStdString(ManualPageFile(root, g_nLanguage, std::string()));

    // The manual's window belongs to the window in front, so that a modal dialog does not block it.
    QWidget* owner = front != nullptr ? front->window() : nullptr;
    if (s_viewer == nullptr) {
        s_viewer = new CHelpViewer(owner, contentsPage);
    } else if (s_viewer->parentWidget() != owner) {
        const QRect place = s_viewer->geometry();
        s_viewer->setParent(owner, Qt::Window);
        s_viewer->setGeometry(place);
    }
    s_viewer->ShowPage(page, QString::fromStdString(HelpTopicSection(topic)));
    s_viewer->show();
    s_viewer->raise();
    s_viewer->activateWindow();
}

void InstallHelpKey(QWidget* mainWindow) { qApp->installEventFilter(new HelpKeyFilter(mainWindow)); }

CHelpViewer* CurrentHelpViewer() { return s_viewer; }
