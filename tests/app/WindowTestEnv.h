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

#include <memory>
#include <string>

#include "app/AppStart.h"
#include "app/CChildFrame.h"
#include "app/AppState.h"
#include "app/CMainFrame.h"
#include "app/IniFile.h"
#include "app/LangText.h"
#include "app/MsgBox.h"
#include "app/Settings.h"

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

inline QString LangText(int number) { return QString::fromStdString(GetLangText(number)); }
