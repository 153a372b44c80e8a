// Test support for the window program: a temporary application directory holding a copy of the
// interface texts, the main window started on it, message boxes answered without a person.
#pragma once

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/IniFile.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/qt/AppStart.h"
#include "app/qt/CMainFrame.h"
#include "app/qt/ui/CChildFrame.h"
#include "app/qt/ui/MsgBox.h"

class WindowTestEnv {
public:
    WindowTestEnv()
    {
        QFile::copy(QStringLiteral(VPX_SOURCE_DIR "/res/language.sys"),
                    m_dir.filePath(QStringLiteral("language.sys")));
        g_strAppDir = Dir();
        ResetLangTextCache();
        MsgBox::ClearAnswers();
        MsgBox::SetNonInteractive(true); // a box nobody answered takes its default button
    }
    ~WindowTestEnv()
    {
        delete m_frame;
        MsgBox::ClearAnswers();
        ResetLangTextCache();
    }
    WindowTestEnv(const WindowTestEnv&) = delete;
    WindowTestEnv& operator=(const WindowTestEnv&) = delete;

    std::string Dir() const { return m_dir.path().toStdString(); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    void Put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
    QByteArray Get(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Touch(const char* marker) const { Put(QString::fromLatin1(marker), QByteArray()); }
    void Settings(const QByteArray& ini) const { Put(QStringLiteral("system.ini"), ini); }
    std::string Setting(const std::string& section, const std::string& key) const
    {
        return IniFile(Path(QStringLiteral("system.ini")).toStdString()).Read(section, key);
    }

    // Runs the program's start-up on this directory (window not shown).
    CMainFrame* Start()
    {
        delete m_frame;
        m_frame = StartMainWindow(Dir(), false);
        return m_frame;
    }
    CMainFrame* Frame() const { return m_frame; }

private:
    QTemporaryDir m_dir;
    CMainFrame* m_frame = nullptr;
};

// Hands the next modal window of type T to inspect once it is on screen; inspect then closes it.
template <typename T> void WhenModalShows(std::function<void(T*)> inspect)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        inspect(window);
    });
    poll->start();
}

// Lets the next message box really appear and hands it to inspect while it is on screen; inspect
// then presses one of its buttons. Boxes are shown again until the caller switches non-interactive
// mode back on.
inline void WhenBoxShows(std::function<void(QMessageBox*)> inspect)
{
    MsgBox::SetNonInteractive(false);
    WhenModalShows<QMessageBox>(std::move(inspect));
}

// The captions of a box's buttons, sorted.
inline QStringList ButtonTexts(const QMessageBox* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

// Presses the box's button with this caption; without one the box is closed as cancelled, so a
// failing test ends instead of waiting for a person.
inline void PressButtonReading(QMessageBox* box, const QString& caption)
{
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == caption) {
            button->click();
            return;
        }
    }
    box->done(QMessageBox::Cancel);
}

inline QString LangText(int number) { return QString::fromStdString(GetLangText(number)); }
