// Start-up of the window program as the user meets it: menus by marker files and language, service
// flags, interface lock, toolbar, status bar, placement and the title for each kind of band.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <vector>

#include "app/CommandIds.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "tests/app/qt/WindowTestEnv.h"

namespace {

QStringList PopupCaptions(CMainFrame* frame)
{
    QStringList captions;
    for (QAction* a : frame->menuBar()->actions())
        captions << a->text();
    return captions;
}

} // namespace

TEST(WindowStartup, MenusFollowLanguageAndMarkerFiles)
{
    const int alwaysRemoved[] = {cmd::kOptionalFunctions, cmd::kKeyAssignment, cmd::kTestMode,
                                 cmd::kBatchWriteTest,    cmd::kTestPassword,  cmd::kModelInfo,
                                 cmd::kRwPassword,        cmd::kHelpTopics};
    {
        // No settings, no markers: Chinese, no language item, the service items pruned.
        WindowTestEnv env;
        CMainFrame* frame = env.Start();
        EXPECT_EQ(g_nLanguage, kLangChinese);
        EXPECT_EQ(PopupCaptions(frame),
                  (QStringList{LangText(1), LangText(7), LangText(9), LangText(11), LangText(16)}));
        EXPECT_FALSE(LangText(1).isEmpty());
        for (int id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, cmd::kFileSaveAs, cmd::kAppExit,
                       cmd::kComPort, cmd::kOptions, cmd::kTestFrequency, cmd::kEmbeddedMessage,
                       cmd::kReadData, cmd::kWriteData, cmd::kAbout, cmd::kFilePrint, cmd::kFilePrintPreview})
            EXPECT_TRUE(frame->MenuHasCommand(id)) << id;
        for (int id : alwaysRemoved)
            EXPECT_FALSE(frame->MenuHasCommand(id)) << id;
        EXPECT_FALSE(frame->MenuHasCommand(cmd::kLangEnglish));
        EXPECT_FALSE(frame->MenuHasCommand(cmd::kLangChinese));
        EXPECT_EQ(frame->Action(cmd::kFileNew)->text(), LangText(2));
        EXPECT_EQ(frame->Action(cmd::kAbout)->text(), LangText(18) + QStringLiteral("VPXE+ (&A)"));
        // Removed commands keep their keys on the window.
        EXPECT_EQ(frame->Action(cmd::kTestMode)->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
        EXPECT_EQ(frame->Action(cmd::kBatchWriteTest)->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
        EXPECT_EQ(frame->Action(cmd::kHelpTopics)->shortcut(), QKeySequence(QStringLiteral("F1")));
        EXPECT_TRUE(frame->actions().contains(frame->Action(cmd::kTestMode)));
        EXPECT_EQ(frame->Action(cmd::kFileSaveAs)->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        EXPECT_EQ(frame->Action(cmd::kReadData)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        EXPECT_EQ(frame->Action(cmd::kWriteData)->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
    }
    {
        // Language menu marker, Chinese mode: only the switch to English is offered.
        WindowTestEnv env;
        env.Touch(kMarkerLanguageMenu);
        CMainFrame* frame = env.Start();
        EXPECT_TRUE(frame->MenuHasCommand(cmd::kLangEnglish));
        EXPECT_FALSE(frame->MenuHasCommand(cmd::kLangChinese));
        EXPECT_EQ(frame->Action(cmd::kLangEnglish)->text(), QStringLiteral("英文版(&E)(English Version)"));
    }
    {
        // English mode (blanks around the number count as nothing): only the switch to Chinese.
        WindowTestEnv env;
        env.Touch(kMarkerLanguageMenu);
        env.Settings("[language]\nlanguage = 200000 \n");
        CMainFrame* frame = env.Start();
        EXPECT_EQ(g_nLanguage, kLangEnglish);
        EXPECT_FALSE(frame->MenuHasCommand(cmd::kLangEnglish));
        EXPECT_TRUE(frame->MenuHasCommand(cmd::kLangChinese));
        EXPECT_EQ(frame->Action(cmd::kLangChinese)->text(), QStringLiteral("&Chinese Version"));
        EXPECT_EQ(PopupCaptions(frame).first(), QString::fromStdString(GetLangTextIn(1, kLangEnglish)));
        EXPECT_EQ(frame->Action(cmd::kAbout)->text(), LangText(18) + QStringLiteral(" VPXE+"));
        for (int id : alwaysRemoved)
            EXPECT_FALSE(frame->MenuHasCommand(id)) << id;
    }
    for (const char* value : {"2e5", "abc", "100000", ""}) {
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + value + "\n");
        CMainFrame* frame = env.Start();
        EXPECT_EQ(g_nLanguage, kLangChinese) << value;
        EXPECT_EQ(PopupCaptions(frame).first(), QString::fromStdString(GetLangTextIn(1, kLangChinese)))
            << value;
    }
}

TEST(WindowStartup, ServiceFlagsAndInterfaceLock)
{
    {
        WindowTestEnv env;
        CMainFrame* frame = env.Start();
        EXPECT_FALSE(g_bTestEnabled);
        EXPECT_FALSE(g_bServiceView);
        EXPECT_FALSE(g_bLockInterface);
        EXPECT_FALSE(frame->Action(cmd::kTestFrequency)->isEnabled());
    }
    {
        // The service marker unlocks the service functions from the start.
        WindowTestEnv env;
        env.Touch(kMarkerServiceUnlock);
        CMainFrame* frame = env.Start();
        EXPECT_TRUE(g_bTestEnabled);
        EXPECT_TRUE(g_bServiceView);
        EXPECT_TRUE(frame->Action(cmd::kTestFrequency)->isEnabled());
    }
    {
        WindowTestEnv env;
        env.Settings("[option]\nlock_interface=  yes  \n");
        env.Start();
        EXPECT_TRUE(g_bLockInterface);
    }
    {
        WindowTestEnv env;
        env.Settings("[option]\nlock_interface=Yes\n");
        env.Start();
        EXPECT_FALSE(g_bLockInterface);
    }
}

TEST(WindowStartup, ToolbarStatusBarAndPlacement)
{
    {
        WindowTestEnv env;
        env.Settings("[computer]\ncom=com3\n");
        CMainFrame* frame = env.Start();
        QToolBar* bar = frame->ToolBar();
        QStringList texts;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator() || a->data().toInt() == 0)
                continue;
            texts << a->text();
            QWidget* button = bar->widgetForAction(a);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->height(), 35) << a->text().toStdString();
            EXPECT_GE(button->width(), 35);
            EXPECT_EQ(a->isVisible(), a->data().toInt() != cmd::kHelpTopics);
        }
        EXPECT_EQ(texts, (QStringList{LangText(1001), LangText(1002), LangText(1003), LangText(1004),
                                      LangText(1005), LangText(1006), LangText(1007)}));
        EXPECT_EQ(bar->widgetForAction(bar->actions().first())->size(), QSize(35, 35));
        ASSERT_NE(frame->LogoArea(), nullptr);
        EXPECT_FALSE(frame->LogoArea()->pixmap().isNull());

        EXPECT_EQ(frame->FilePaneText(), LangText(2013) + QStringLiteral(": ") + LangText(90026));
        EXPECT_EQ(frame->PortPane()->text(), QStringLiteral("COM3"));
        EXPECT_GE(frame->PortPane()->minimumWidth(), 35);
        EXPECT_EQ(frame->size(), QSize(790, 572));
        ASSERT_NE(frame->EditorChild(), nullptr);
        EXPECT_EQ(frame->MdiArea()->subWindowList().size(), 1);
    }
    {
        WindowTestEnv env;
        env.Settings("[language]\nlanguage=200000\n[computer]\ncom=COM12\n");
        CMainFrame* frame = env.Start();
        for (QAction* a : frame->ToolBar()->actions()) {
            if (a->isSeparator() || a->data().toInt() == 0)
                continue;
            EXPECT_EQ(frame->ToolBar()->widgetForAction(a)->size(), QSize(37, 37)) << a->text().toStdString();
        }
        EXPECT_EQ(frame->PortPane()->text(), QStringLiteral("COM12"));
        EXPECT_EQ(frame->FilePaneText(), QString::fromStdString(GetLangTextIn(2013, kLangEnglish)) +
                                             QStringLiteral(": ") +
                                             QString::fromStdString(GetLangTextIn(90026, kLangEnglish)));
    }
}

TEST(WindowTitle, ShowsModelVersionAndBand)
{
    WindowTestEnv env;
    CMainFrame* frame = env.Start();
    // A new code plug: band "33", 400-470 MHz.
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("VPXE+ V1.03    [UHF:400-470MHz]"));
    // The editor page's child window carries the page's own title, also after a file was saved.
    ASSERT_NE(frame->EditorChild(), nullptr);
    EXPECT_EQ(frame->EditorChild()->windowTitle(), LangText(4073));

    struct Case {
        const char* code;
        double lower, upper;
        int radioType;
        const char* title;
    };
    const Case cases[] = {
        {"33", 350.0, 390.0, 3, "VPXE+ V1.03    [UHF:350-390MHz]"}, // exactly 350 MHz is UHF
        {"33", 349.99, 390.0, 3, "VPXE+ V1.03    [VHF:349.99-390MHz]"},
        {"11", 136.0, 174.0, 3, "VPXE+ V1.03    [VHF:136-174MHz]"},
        {"F9", 446.0, 446.2, 3, "VPXE+ V1.03    [UHF:446MHz]"},
        {"FA", 433.0, 434.8, 3, "VPXE+ V1.03    [UHF:433MHz]"},
        {"FB", 476.0, 478.0, 3, "VPXE+ V1.03    [UHF:476-478MHz]"},
        {"FC", 462.0, 468.0, 2, "VPXE+ V1.03    [UHF:462-468MHz]"},
        {"FC", 410.0, 420.5, 1, "VPXE+ V1.03    [UHF:410-420.5MHz]"},
    };
    for (const Case& c : cases) {
        g_band.code = c.code;
        g_band.lower = c.lower;
        g_band.upper = c.upper;
        g_nRadioType = c.radioType;
        frame->RefreshTitle();
        EXPECT_EQ(frame->windowTitle(), QString::fromLatin1(c.title)) << c.code;
    }
    // New brings the title back to the new code plug's band.
    g_doc.image.WriteByte(0x10, 0x12);
    MsgBox::SetNextAnswer(QMessageBox::No);
    frame->OnCommand(cmd::kFileNew);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("VPXE+ V1.03    [UHF:400-470MHz]"));
}

TEST(WindowTexts, EveryTextOfTheWindowsExistsInBothLanguages)
{
    WindowTestEnv env;
    std::vector<int> numbers;
    for (int n = 1; n <= 25; ++n)
        numbers.push_back(n);
    for (int n = 1001; n <= 1007; ++n)
        numbers.push_back(n);
    for (int n : {2002, 2004, 2011, 2013, 2014,  2015,  3003,  3004,  3005,  3006,  3007, 3008, 3009,
                  3012, 3013, 3014, 3017, 3018,  3019,  3022,  3023,  7201,  7204,  7205, 7206, 7208,
                  7209, 7210, 7801, 7802, 90000, 90001, 90003, 90004, 90005, 90006, 90026})
        numbers.push_back(n);
    for (int n : numbers) {
        EXPECT_FALSE(GetLangTextIn(n, kLangChinese).empty()) << n;
        EXPECT_FALSE(GetLangTextIn(n, kLangEnglish).empty()) << n;
    }
}

TEST(WindowStartup, FileDialogsFollowTheInterfaceLanguage)
{
    // The toolkit's file dialog words ("Look in:") are Chinese in Chinese mode when the system has
    // the toolkit's Chinese translation, and English in English mode, also after a Chinese start.
    const bool haveChinese = QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                               QStringLiteral("/qtbase_zh_CN.qm"));
    const QString lookIn = QStringLiteral("Look in:");
    {
        WindowTestEnv env;
        env.Start();
        if (haveChinese) {
            EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
        }
    }
    {
        WindowTestEnv env;
        env.Settings("[language]\nlanguage=200000\n");
        env.Start();
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
    }
    if (!haveChinese)
        GTEST_SKIP() << "the toolkit's Chinese translation is not installed";
}
