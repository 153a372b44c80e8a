// The language switch of the Settings menu: after the user's consent and the unsaved-changes prompt
// the new language is stored and the program restarts itself from the application directory.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class MainFrameUi;
class QWidget;

// Starts the program file with arguments in a working directory; true when it started.
using ProgramLauncher =
    std::function<bool(const QString& program, const QStringList& args, const QString& dir)>;

// Runs the switch to languageBase (kLangEnglish or kLangChinese), asking over parent; once the new
// program has been started, frame closes. False when the user cancelled or the unsaved work could not
// be saved; the program then goes on unchanged.
bool SwitchLanguage(QWidget* parent, MainFrameUi& frame, int languageBase);

// Test support: replaces the launcher (the default starts a detached process). An empty function
// restores the default.
void SetProgramLauncher(ProgramLauncher launcher);
