// The common main of the screenshot programs: renders their pictures in English and in Chinese into
// the folder named on the command line (docs/ of the source tree by default) and says whether every
// picture was written.
#pragma once

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>

#include "app/AppState.h"
#include "app/qt/ui/MsgBox.h"

// shoot(language base, "en" or "zh", folder) renders one language's pictures.
using ShootLanguage = std::function<bool(int language, const QString& suffix, const QString& out)>;

inline int ScreenshotMain(int argc, char** argv, const ShootLanguage& shoot)
{
    QApplication app(argc, argv);
    QString out = QStringLiteral(VPX_SOURCE_DIR "/docs");
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) != 0)
            out = QString::fromLocal8Bit(argv[i]);
    }
    QDir().mkpath(out);
    bool ok = shoot(kLangEnglish, QStringLiteral("en"), out);
    ok = shoot(kLangChinese, QStringLiteral("zh"), out) && ok;
    std::printf("%s\n", ok ? "written" : "failed");
    return ok ? 0 : 1;
}

// Whether the option (for example "--screen") stands on the command line.
inline bool HasOption(int argc, char** argv, const char* option)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return true;
    }
    return false;
}

// Lets the next message box really appear, saves its picture into file (ok tells whether it was
// saved) and answers it; boxes after it are answered without being shown again.
inline void GrabNextMessageBox(const QString& file, bool& ok, QMessageBox::StandardButton answer)
{
    MsgBox::SetNonInteractive(false);
    QTimer::singleShot(300, [&ok, file, answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ok = box->grab().save(file);
            box->done(answer);
        }
        MsgBox::SetNonInteractive(true);
    });
}
