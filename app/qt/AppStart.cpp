// Start-up sequence of the window program.
#include "app/qt/AppStart.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include <clocale>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/qt/CHelpViewer.h"
#include "app/qt/CMainFrame.h"
#include "app/qt/ui/AppFont.h"
#include "codeplug/Document.h"

namespace {

// The toolkit's own windows (the file dialogs) follow the interface language: in Chinese mode its
// Chinese translation is installed when the system has it; English needs none.
void UseToolkitTranslation(bool chinese)
{
    static QTranslator* installed = nullptr;
    if (installed != nullptr) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (!chinese)
        return;
    auto* translator = new QTranslator;
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        installed = translator;
    else
        delete translator;
}

} // namespace

CMainFrame* StartMainWindow(const std::string& appDir, bool show)
{
    // The application object adopts the desktop's locale; the code plug's numbers (frequencies in the
    // title, the table and the files) are always written with a decimal point, whatever the desktop uses.
    std::setlocale(LC_NUMERIC, "C");
    InitAppState(appDir);
    ResetLangTextCache();
    InitAppFont();
    // In Chinese mode menus and captions use the application font too, a face with the Chinese glyphs.
    static const QFont defaultFont = QApplication::font();
    QApplication::setFont(g_nLanguage == kLangChinese ? g_fontApp : defaultFont);
    UseToolkitTranslation(g_nLanguage == kLangChinese);

    // A new code plug of band "33", nothing unsaved, no file.
    g_doc.ResetToNew();

    auto* frame = new CMainFrame;
    InstallHelpKey(frame); // F1 in the dialogs too

    // The port pane shows the setting as it is stored, in upper case.
    frame->SetPortText(QString::fromStdString(ReadSetting("computer", "com")).toUpper());

    QSize screen(1024, 768);
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screen = primary->geometry().size();
    const WindowPlacement place = ComputeMainWindowPlacement(screen.width(), screen.height());
    // 790 x 572 is the window's outer size, its frame and title bar included.
    frame->PlaceOuter(QRect(place.left, place.top, place.width, place.height));

    frame->CreateEditorChild();
    if (show)
        frame->show();
    frame->RefreshTitle();
    return frame;
}
