// What start-up decides for the window: which menu commands are removed, where the main window goes,
// what the title reads, and which help file and program file belong to the model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "tests/app/AppTestDir.h"

namespace {

void StartIn(const AppTestDir& dir, int language, bool languageMenu)
{
    dir.WriteFile("system.ini",
                  language == kLangEnglish ? "[language]\nlanguage=200000\n" : "[language]\nlanguage=\n");
    if (languageMenu)
        dir.WriteFile(kMarkerLanguageMenu, "");
    else
        dir.Remove(kMarkerLanguageMenu);
    InitAppState(dir.Dir());
    ASSERT_EQ(g_nLanguage, language);
}

bool Contains(const std::vector<int>& ids, int id)
{
    for (int i : ids)
        if (i == id)
            return true;
    return false;
}

} // namespace

TEST(StartupMenu, LanguageItemsAndServiceCommandsAreRemoved)
{
    AppTestDir dir;
    const std::vector<int> withoutLanguageMenu{204, 205, 202, 203, 209, 32780, 210, 32785, 32787, 211};

    StartIn(dir, kLangChinese, false);
    EXPECT_EQ(RemovedMenuCommands(), withoutLanguageMenu);
    StartIn(dir, kLangEnglish, false);
    EXPECT_EQ(RemovedMenuCommands(), withoutLanguageMenu);

    // With the marker, only the item of the language already in use goes: Chinese mode keeps
    // "English version" (202), English mode keeps "Chinese version" (203).
    StartIn(dir, kLangChinese, true);
    auto ids = RemovedMenuCommands();
    EXPECT_TRUE(Contains(ids, 203));
    EXPECT_FALSE(Contains(ids, 202));
    EXPECT_EQ(ids, (std::vector<int>{204, 205, 203, 209, 32780, 210, 32785, 32787, 211}));

    StartIn(dir, kLangEnglish, true);
    ids = RemovedMenuCommands();
    EXPECT_TRUE(Contains(ids, 202));
    EXPECT_FALSE(Contains(ids, 203));

    // Commands that stay in the menu are never removed, whatever the markers say.
    dir.WriteFile(kMarkerServiceUnlock, "");
    StartIn(dir, kLangChinese, true);
    for (int kept :
         {57600, 57601, 57603, 57604, 57607, 32782, 57665, 200, 32783, 206, 32789, 207, 208, 57664})
        EXPECT_FALSE(Contains(RemovedMenuCommands(), kept)) << kept;
}

TEST(StartupWindow, MainWindowIsCentredTwelvePixelsHighAndNeverClamped)
{
    const WindowPlacement full = ComputeMainWindowPlacement(1920, 1080);
    EXPECT_EQ(full.left, 565);
    EXPECT_EQ(full.top, 242);
    EXPECT_EQ(full.width, 790);
    EXPECT_EQ(full.height, 572);

    const WindowPlacement xga = ComputeMainWindowPlacement(1024, 768);
    EXPECT_EQ(xga.left, 117);
    EXPECT_EQ(xga.top, 86);

    // Odd differences: the division truncates toward zero on both sides of zero.
    const WindowPlacement odd = ComputeMainWindowPlacement(1025, 769);
    EXPECT_EQ(odd.left, 117);
    EXPECT_EQ(odd.top, 86);
    const WindowPlacement justSmaller = ComputeMainWindowPlacement(789, 571);
    EXPECT_EQ(justSmaller.left, 0);
    EXPECT_EQ(justSmaller.top, -12);

    // A screen smaller than the window places it at negative coordinates.
    const WindowPlacement vga = ComputeMainWindowPlacement(640, 480);
    EXPECT_EQ(vga.left, -75);
    EXPECT_EQ(vga.top, -58);
    EXPECT_EQ(vga.width, 790);
    EXPECT_EQ(vga.height, 572);
    const WindowPlacement none = ComputeMainWindowPlacement(0, 0);
    EXPECT_EQ(none.left, -395);
    EXPECT_EQ(none.top, -298);
}

TEST(StartupWindow, TitleShowsVersionAndBand)
{
    AppTestDir dir;
    InitAppState(dir.Dir());
    EXPECT_EQ(FormatWindowTitle("33", 400, 470, 3), "VPXE+ V1.03    [UHF:400-470MHz]");
    // 350 MHz is the first UHF frequency.
    EXPECT_EQ(FormatWindowTitle("FF", 350, 390, 3), "VPXE+ V1.03    [UHF:350-390MHz]");
    EXPECT_EQ(FormatWindowTitle("FF", 349.995, 390, 3), "VPXE+ V1.03    [VHF:349.995-390MHz]");
    EXPECT_EQ(FormatWindowTitle("F0", 136, 174, 3), "VPXE+ V1.03    [VHF:136-174MHz]");
    EXPECT_EQ(FormatWindowTitle("FF", 146.5, 173.975, 3), "VPXE+ V1.03    [VHF:146.5-173.975MHz]");
    EXPECT_EQ(FormatWindowTitle("FF", 0, 0, 3), "VPXE+ V1.03    [VHF:0-0MHz]");

    // Licence-free bands show their fixed name instead of the limits.
    EXPECT_EQ(FormatWindowTitle("F9", 446, 446.2, 3), "VPXE+ V1.03    [UHF:446MHz]");
    EXPECT_EQ(FormatWindowTitle("FA", 433, 434.8, 1), "VPXE+ V1.03    [UHF:433MHz]");
    EXPECT_EQ(FormatWindowTitle("FB", 476, 478, 1), "VPXE+ V1.03    [UHF:476-478MHz]");
    EXPECT_EQ(FormatWindowTitle("FC", 462, 468, 2), "VPXE+ V1.03    [UHF:462-468MHz]");
    EXPECT_EQ(FormatWindowTitle("FC", 462, 468, 3), "VPXE+ V1.03    [UHF:462-468MHz]");
    // Radio type 1 uses "FC" as its custom band, whose limits are shown.
    EXPECT_EQ(FormatWindowTitle("FC", 400.5, 430, 1), "VPXE+ V1.03    [UHF:400.5-430MHz]");
    // Band codes compare exactly.
    EXPECT_EQ(FormatWindowTitle("f9", 400, 470, 3), "VPXE+ V1.03    [UHF:400-470MHz]");

    // The model code "QX" always shows 446 MHz.
    InitAppStateFor(dir.Dir(), "qx");
    EXPECT_EQ(FormatWindowTitle("33", 400, 470, 3), "VPXE+ V1.03    [UHF:446MHz]");
}

TEST(StartupFiles, HelpFileAndRestartProgramFollowModelAndLanguage)
{
    AppTestDir dir;
    dir.WriteFile("system.ini", "[language]\nlanguage=100000\n");
    InitAppState(dir.Dir());
    EXPECT_EQ(HelpFileName(), "vpxds_c.chm");
    EXPECT_EQ(RestartProgramName(), "vpxds");

    dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
    InitAppState(dir.Dir());
    EXPECT_EQ(HelpFileName(), "vpxds_e.chm");

    InitAppStateFor(dir.Dir(), "vpxb");
    EXPECT_EQ(HelpFileName(), "vpxb_e.chm");
    EXPECT_EQ(RestartProgramName(), "vpxb");

    dir.WriteFile("system.ini", "[language]\nlanguage=100000\n");
    InitAppStateFor(dir.Dir(), "vpxc");
    EXPECT_EQ(HelpFileName(), "vpxc_c.chm");

    InitAppStateFor(dir.Dir(), "vpxjrepair");
    EXPECT_EQ(HelpFileName(), "");
    EXPECT_EQ(RestartProgramName(), "");
    InitAppState(dir.Dir());
}
