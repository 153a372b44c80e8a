// First-paint probe of the main window.
#include "app/qt/FirstPaintProbe.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/CMainFrame.h"

namespace {

// Milliseconds since this process started, from the kernel's record of its start (Linux); -1 elsewhere.
qint64 ProcessAgeMs()
{
    std::ifstream stat("/proc/self/stat");
    std::ifstream uptime("/proc/uptime");
    std::string statLine;
    double upSeconds = 0;
    if (!std::getline(stat, statLine) || !(uptime >> upSeconds))
        return -1;
    // The fields after the command name (which is in parentheses) start with field 3; the start time
    // in clock ticks since boot is field 22.
    const std::size_t close = statLine.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(statLine.substr(close + 1));
    std::string field;
    for (int n = 3; n <= 22; ++n) {
        if (!(fields >> field))
            return -1;
    }
    char* end = nullptr;
    const double startTicks = std::strtod(field.c_str(), &end);
    if (end == field.c_str())
        return -1;
    const double ticksPerSecond = 100.0; // USER_HZ on Linux
    return static_cast<qint64>((upSeconds - startTicks / ticksPerSecond) * 1000.0);
}

} // namespace

FirstPaintProbe::FirstPaintProbe(CMainFrame* frame, QString screenshotPath)
    : QObject(frame), m_frame(frame), m_screenshotPath(std::move(screenshotPath))
{
    frame->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_done && watched == m_frame && event->type() == QEvent::Paint) {
        m_done = true;
        // Report after the whole window (children included) has been painted and flushed.
        QTimer::singleShot(0, this, &FirstPaintProbe::Report);
    }
    return QObject::eventFilter(watched, event);
}

void FirstPaintProbe::Report()
{
    std::printf("painted-at-epoch-ms %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    std::printf("process-age-ms %lld\n", static_cast<long long>(ProcessAgeMs()));
    // Where this start took its settings and texts from (an installed program: the user's folder).
    std::printf("application-directory %s\n", g_strAppDir.c_str());
    std::printf("language-file %s\n", LanguageFilePath().c_str());
    std::fflush(stdout);
    if (!m_screenshotPath.isEmpty())
        m_frame->grab().save(m_screenshotPath, "PNG");
    m_frame->SetCloseConfirmed(true);
    QApplication::quit();
}
