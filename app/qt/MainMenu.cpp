// Main menu construction: popups File, Settings, Edit, Tools and Help with the program's command ids.
#include "app/qt/MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <vector>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/LangText.h"
#include "app/Startup.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

struct MenuItem {
    int id;         // command id; 0 = separator
    int textNumber; // caption text; 0 = fixed caption below
    const char* fixedCaption;
    const char* key; // portable key sequence, empty for none
};

struct Popup {
    int textNumber;
    std::vector<MenuItem> items;
};

// The menu as the resource lays it out, before pruning.
std::vector<Popup> MenuLayout()
{
    return {
        {1,
         {{cmd::kFileNew, 2, nullptr, "Ctrl+N"},
          {cmd::kFileOpen, 3, nullptr, "Ctrl+O"},
          {cmd::kFileSave, 4, nullptr, "Ctrl+S"},
          {cmd::kFileSaveAs, 5, nullptr, "Ctrl+A"},
          {0, 0, nullptr, ""},
          {cmd::kImportChannels, 9570, nullptr, ""},
          {cmd::kExportChannels, 9571, nullptr, ""},
          {0, 0, nullptr, ""},
          {cmd::kFilePrint, 21, nullptr, ""},
          {cmd::kFileExportReportPdf, 9510, nullptr, ""},
          {cmd::kFilePrintPreview, 20, nullptr, ""},
          {0, 0, nullptr, ""},
          {cmd::kAppExit, 6, nullptr, ""}}},
        {7,
         {{cmd::kComPort, 8, nullptr, ""},
          {cmd::kLangEnglish, 0, "英文版(&E)(English Version)", ""},
          {cmd::kLangChinese, 0, "&Chinese Version", ""},
          {cmd::kOptions, 22, nullptr, ""}}},
        {9,
         {{cmd::kEditUndo, 9572, nullptr, "Ctrl+Z"},
          {cmd::kEditRedo, 9573, nullptr, "Ctrl+Y"},
          {0, 0, nullptr, ""},
          {cmd::kOptionalFunctions, 0, "可选功能(&O)", ""},
          {cmd::kKeyAssignment, 0, "键设定(&K)", ""},
          {cmd::kTestFrequency, 10, nullptr, ""},
          {cmd::kEmbeddedMessage, 25, nullptr, ""}}},
        {11,
         {{cmd::kReadData, 12, nullptr, "Ctrl+R"},
          {cmd::kWriteData, 13, nullptr, "Ctrl+W"},
          {cmd::kRadioInformation, 9540, nullptr, ""},
          {cmd::kRadioHistory, 9711, nullptr, ""},
          {cmd::kProgramFleet, 9750, nullptr, ""},
          {cmd::kTestMode, 14, nullptr, "Ctrl+M"},
          {cmd::kBatchWriteTest, 19, nullptr, "Ctrl+T"},
          {cmd::kTestPassword, 15, nullptr, ""},
          {cmd::kModelInfo, 23, nullptr, ""},
          {cmd::kRwPassword, 24, nullptr, ""}}},
        {16,
         {{cmd::kHelpTopics, 17, nullptr, "F1"},
          {cmd::kHelpContents, 9666, nullptr, ""},
          {cmd::kAbout, 18, nullptr, ""}}},
    };
}

QString AboutCaption()
{
    if (g_nLanguage == kLangChinese)
        return Text(18) + QString::fromUtf8(kProductName) + QStringLiteral(" (&A)");
    return Text(18) + QStringLiteral(" ") + QString::fromUtf8(kProductName);
}

} // namespace

void BuildMainMenu(QMenuBar* bar, QWidget* owner, std::map<int, QAction*>& actions)
{
    std::vector<QMenu*> popups;
    for (const Popup& popup : MenuLayout()) {
        QMenu* menu = bar->addMenu(Text(popup.textNumber));
        popups.push_back(menu);
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QString caption =
                item.textNumber != 0 ? Text(item.textNumber) : QString::fromUtf8(item.fixedCaption);
            if (item.id == cmd::kAbout)
                caption = AboutCaption();
            auto* action = new QAction(caption, owner);
            action->setData(item.id);
            if (item.key[0] != '\0') {
                action->setShortcut(QKeySequence(QString::fromLatin1(item.key), QKeySequence::PortableText));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            owner->addAction(action); // the key works even after the menu item is removed
            menu->addAction(action);
            actions[item.id] = action;
        }
    }
    // Pruning: the commands stay in the table (and on their keys), only the menu items go.
    for (int id : RemovedMenuCommands()) {
        auto it = actions.find(id);
        if (it == actions.end())
            continue;
        for (QMenu* menu : popups)
            menu->removeAction(it->second);
    }
    // Remove separators left doubled or trailing by the pruning.
    for (QMenu* menu : popups) {
        const QList<QAction*> items = menu->actions();
        bool lastWasSeparator = true;
        for (QAction* a : items) {
            if (a->isSeparator() && lastWasSeparator)
                menu->removeAction(a);
            else
                lastWasSeparator = a->isSeparator();
        }
        if (!menu->actions().isEmpty() && menu->actions().constLast()->isSeparator())
            menu->removeAction(menu->actions().constLast());
    }
}
