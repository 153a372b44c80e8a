// The installation as a packager and a user meet it: `cmake --install` into a fresh prefix holds the
// programs, the texts, the desktop entry, the icons, the AppStream data, the udev rule, the manual
// pages, the user manual and the completion; the installed programs run from a prefix they may not
// write and keep their settings in XDG_CONFIG_HOME; and `cpack -G DEB` makes a package whose
// dependencies come from the libraries the programs link, which lintian accepts.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string kBuildDir = VPX_BUILD_DIR;
const std::string kSourceDir = VPX_SOURCE_DIR;
const std::string kCMake = VPX_CMAKE_COMMAND;
const std::string kCPack = VPX_CPACK_COMMAND;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// Runs a shell command; its standard output (and error, when asked) comes back in `out`.
int Shell(const std::string& command, std::string& out, bool withErrors = false)
{
    const std::string full = command + (withErrors ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = ::popen(full.c_str(), "r");
    if (pipe == nullptr)
        return -1;
    std::array<char, 4096> buffer{};
    out.clear();
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Width and height of a PNG file from its header; 0 x 0 when it is no PNG.
std::pair<int, int> PngSize(const fs::path& file)
{
    const std::string bytes = ReadFile(file);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto be32 = [&bytes](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) |
               (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    return {static_cast<int>(be32(16)), static_cast<int>(be32(20))};
}

// Every file and folder under root, relative, to see that nothing was added.
std::set<std::string> Tree(const fs::path& root)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        names.insert(fs::relative(entry.path(), root).string());
    return names;
}

class Installation : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::random_device rd;
        s_root = fs::temp_directory_path() / ("vpx-install-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(s_root);
        s_prefix = s_root / "usr";
        std::string out;
        s_installed =
            Shell(kCMake + " --install " + Quote(kBuildDir) + " --prefix " + Quote(s_prefix.string()), out,
                  true) == 0;
        s_installLog = out;
    }
    static void TearDownTestSuite()
    {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(s_root, ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(s_root, ec);
    }
    void SetUp() override { ASSERT_TRUE(s_installed) << s_installLog; }

    static bool HasWindowProgram() { return fs::exists(fs::path(kBuildDir) / "bin" / "vpxds"); }

    static fs::path s_root;
    static fs::path s_prefix;
    static bool s_installed;
    static std::string s_installLog;
};

fs::path Installation::s_root;
fs::path Installation::s_prefix;
bool Installation::s_installed = false;
std::string Installation::s_installLog;

} // namespace

TEST_F(Installation, HoldsEveryFileThePackageNeeds)
{
    const fs::path& p = s_prefix;
    EXPECT_TRUE(fs::is_regular_file(p / "bin" / "vpxds-cli"));
    EXPECT_EQ(ReadFile(p / "share" / "vpxds" / "language.sys"),
              ReadFile(fs::path(kSourceDir) / "res" / "language.sys"));

    // The udev rule: the desktop user's access to the cables, nothing that Debian's own rules set.
    const std::string rule = ReadFile(p / "lib" / "udev" / "rules.d" / "60-vpxds-cables.rules");
    EXPECT_EQ(rule, ReadFile(fs::path(kSourceDir) / "res" / "linux" / "60-vpxds-cables.rules"));
    EXPECT_NE(rule.find("TAG+=\"uaccess\""), std::string::npos);
    EXPECT_EQ(rule.find("GROUP="), std::string::npos);
    EXPECT_EQ(rule.find("MODE="), std::string::npos);
    // The licence, the changelog and the completion of vpxds-cli.
    EXPECT_NE(ReadFile(p / "share" / "doc" / "vpxds" / "copyright").find("License: GPL-3.0-or-later"),
              std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(p / "share" / "doc" / "vpxds" / "changelog.gz"));
    EXPECT_NE(ReadFile(p / "share" / "bash-completion" / "completions" / "vpxds-cli").find("complete -F"),
              std::string::npos);
    // The compressed manual page.
    const std::string man = ReadFile(p / "share" / "man" / "man1" / "vpxds-cli.1.gz");
    ASSERT_GE(man.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(man[0]), 0x1F);
    EXPECT_EQ(static_cast<unsigned char>(man[1]), 0x8B);
    std::string page;
    if (Shell("gzip -dc " + Quote((p / "share" / "man" / "man1" / "vpxds-cli.1.gz").string()), page) == 0) {
        EXPECT_NE(page.find(".SH SYNOPSIS"), std::string::npos);
    }

    if (!HasWindowProgram())
        return;
    EXPECT_TRUE(fs::is_regular_file(p / "bin" / "vpxds"));
    // The desktop entry starts the program by its name and shows its icon, found in the icon theme
    // in every size it names and as a scalable picture.
    const std::string desktop = ReadFile(p / "share" / "applications" / "vpxds.desktop");
    EXPECT_NE(desktop.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nExec=vpxds %f\n"), std::string::npos); // a data file opened from a file manager
    EXPECT_NE(desktop.find("\nIcon=vpxds\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nCategories=Utility;HamRadio;\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nMimeType=application/x-vpxds-codeplug;\n"), std::string::npos);
    EXPECT_NE(ReadFile(p / "share" / "mime" / "packages" / "vpxds.xml").find("<glob pattern=\"*.dat\""),
              std::string::npos);
    const std::string metainfo =
        ReadFile(p / "share" / "metainfo" / "com.vpxcommunications.vpxds.metainfo.xml");
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">vpxds.desktop</launchable>"), std::string::npos);
    EXPECT_NE(metainfo.find("<summary xml:lang=\"zh_CN\">"), std::string::npos);
    EXPECT_NE(metainfo.find("<release version=\"1.03\""), std::string::npos);
    // The user manual in both languages with its pictures, and the window program's manual page.
    for (const char* language : {"en", "zh_CN"})
        for (const char* page :
             {"index.html", "getting-started.html", "radio.html", "editor.html", "service.html"})
            EXPECT_TRUE(fs::is_regular_file(p / "share" / "vpxds" / "manual" / language / page))
                << language << page;
    EXPECT_TRUE(fs::is_regular_file(p / "share" / "vpxds" / "manual" / "images" / "main-window-zh.png"));
    EXPECT_TRUE(fs::is_regular_file(p / "share" / "man" / "man1" / "vpxds.1.gz"));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const fs::path icon = p / "share" / "icons" / "hicolor" /
                              (std::to_string(size) + "x" + std::to_string(size)) / "apps" / "vpxds.png";
        EXPECT_EQ(PngSize(icon), std::make_pair(size, size)) << icon;
    }
    EXPECT_NE(ReadFile(p / "share" / "icons" / "hicolor" / "scalable" / "apps" / "vpxds.svg").find("<svg"),
              std::string::npos);
}

TEST_F(Installation, ProgramsRunFromAReadOnlyPrefixAndKeepSettingsInTheUsersFolder)
{
    // Nobody may write the prefix any more (root still could: the rule does not rest on that alone).
    std::string out;
    ASSERT_EQ(Shell("chmod -R a-w " + Quote(s_prefix.string()), out), 0);
    const std::set<std::string> before = Tree(s_prefix);
    const fs::path config = s_root / "config";
    const fs::path home = s_root / "home";
    fs::create_directories(home);
    const std::string env =
        "env HOME=" + Quote(home.string()) + " XDG_CONFIG_HOME=" + Quote(config.string()) + " ";
    const std::string cli = env + Quote((s_prefix / "bin" / "vpxds-cli").string());

    // The command line chooses a port: the setting lands in XDG_CONFIG_HOME/vpxds/system.ini.
    ASSERT_EQ(Shell(cli + " port com2", out, true), 0) << out;
    EXPECT_NE(ReadFile(config / "vpxds" / "system.ini").find("com=com2"), std::string::npos);
    // Its texts come from the installed copy: the error of a missing file reads as in the file.
    std::ofstream(config / "vpxds" / "system.ini") << "[computer]\ncom=com2\n[language]\nlanguage=200000\n";
    EXPECT_NE(Shell(cli + " show " + Quote((s_root / "missing.dat").string()), out, true), 0);
    EXPECT_NE(out.find("error 2011: The file"), std::string::npos) << out;

    // Without XDG_CONFIG_HOME the folder is ~/.config/vpxds, created on first use.
    ASSERT_EQ(Shell("env -u XDG_CONFIG_HOME HOME=" + Quote(home.string()) + " " +
                        Quote((s_prefix / "bin" / "vpxds-cli").string()) + " port com5",
                    out, true),
              0)
        << out;
    EXPECT_NE(ReadFile(home / ".config" / "vpxds" / "system.ini").find("com=com5"), std::string::npos);

    if (HasWindowProgram()) {
        // The window program starts from the installation, takes its settings from the same folder
        // and its texts from the installed copy.
        ASSERT_EQ(Shell(env + "QT_QPA_PLATFORM=offscreen " + Quote((s_prefix / "bin" / "vpxds").string()) +
                            " --measure-startup",
                        out),
                  0);
        EXPECT_NE(out.find("application-directory " + (config / "vpxds").string() + "\n"), std::string::npos)
            << out;
        EXPECT_NE(
            out.find("language-file " + (s_prefix / "share" / "vpxds" / "language.sys").string() + "\n"),
            std::string::npos)
            << out;
    }
    EXPECT_EQ(Tree(s_prefix), before); // nothing was written into the installation
}

TEST_F(Installation, PackagesAsADebianPackageWithItsLibraryDependencies)
{
    std::string out;
    if (Shell("command -v dpkg-shlibdeps && command -v dpkg-deb", out) != 0)
        GTEST_SKIP() << "dpkg-dev is not installed (scripts/deps.sh installs it)";
    const fs::path packages = s_root / "packages";
    ASSERT_EQ(
        Shell("cd " + Quote(kBuildDir) + " && " + Quote(kCPack) + " -G DEB -B " + Quote(packages.string()),
              out, true),
        0)
        << out;
    fs::path deb;
    for (const auto& entry : fs::directory_iterator(packages))
        if (entry.path().extension() == ".deb")
            deb = entry.path();
    ASSERT_FALSE(deb.empty()) << out;

    ASSERT_EQ(Shell("dpkg-deb -f " + Quote(deb.string()) + " Package Version Maintainer Depends", out), 0);
    EXPECT_NE(out.find("Package: vpxds\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Version: 1.03\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("localhost"), std::string::npos) << out;
    // A Chinese face that renders and reads back from a PDF, as debian/control says.
    EXPECT_NE(out.find("fonts-arphic-uming | fonts-wqy-zenhei"), std::string::npos) << out;
    // The dependencies are those of the linked libraries, not a hand-written list.
    EXPECT_NE(out.find("libc6"), std::string::npos) << out;
    EXPECT_NE(out.find("libstdc++6"), std::string::npos) << out;
    if (HasWindowProgram()) {
        EXPECT_NE(out.find("libqt6widgets6"), std::string::npos) << out;
        EXPECT_NE(out.find("libqt6serialport6"), std::string::npos) << out;
    }

    // Unpacked into a root of its own, the package holds what the installation holds.
    const fs::path root = s_root / "unpacked";
    ASSERT_EQ(Shell("dpkg-deb -x " + Quote(deb.string()) + " " + Quote(root.string()), out, true), 0) << out;
    for (const char* file :
         {"usr/bin/vpxds-cli", "usr/share/vpxds/language.sys", "usr/lib/udev/rules.d/60-vpxds-cables.rules",
          "usr/share/man/man1/vpxds-cli.1.gz", "usr/share/doc/vpxds/copyright",
          "usr/share/doc/vpxds/changelog.gz", "usr/share/bash-completion/completions/vpxds-cli"})
        EXPECT_TRUE(fs::is_regular_file(root / file)) << file;
    if (HasWindowProgram()) {
        for (const char* file :
             {"usr/bin/vpxds", "usr/share/applications/vpxds.desktop",
              "usr/share/icons/hicolor/48x48/apps/vpxds.png", "usr/share/man/man1/vpxds.1.gz",
              "usr/share/vpxds/manual/en/index.html", "usr/share/vpxds/manual/zh_CN/index.html",
              "usr/share/metainfo/com.vpxcommunications.vpxds.metainfo.xml",
              "usr/share/mime/packages/vpxds.xml"})
            EXPECT_TRUE(fs::is_regular_file(root / file)) << file;
    }

    // Debian's own check of a package: no error and no warning.
    if (Shell("command -v lintian", out) != 0)
        return;
    Shell("lintian --tag-display-limit 0 " + Quote(deb.string()), out, true);
    std::istringstream tags(out);
    for (std::string line; std::getline(tags, line);)
        EXPECT_FALSE(line.rfind("E: ", 0) == 0 || line.rfind("W: ", 0) == 0) << line;
}
