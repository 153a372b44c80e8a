// The program's message boxes behind one wrapper, so that tests can answer them without a person:
// MsgBox::SetNextAnswer queues answers; while answers are queued no window is shown. Every box is
// wide enough for its caption and speaks the interface language on its buttons.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <string>

class QWidget;

class MsgBox {
public:
    // Shows the box (or takes the next queued answer) and returns the button pressed.
    static QMessageBox::StandardButton Ask(QWidget* parent, const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           QMessageBox::Icon icon = QMessageBox::Question);

    // Test support: the answers the next boxes give, and the texts of the boxes shown so far.
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    static void ClearAnswers();
    static QStringList& ShownTexts();
    // When set, a box with no queued answer is answered with its default button instead of shown.
    static void SetNonInteractive(bool on);

private:
    static std::deque<QMessageBox::StandardButton>& Answers();
};

// Message box with the model code in upper case as caption and an OK button only.
void ShowMessage(const QString& text);
void ShowMessage(const std::string& text);
// ShowMessage of interface text number.
void ShowTextMessage(int textNumber);
// The same box with the warning icon, for a failure.
void ShowErrorMessage(const QString& text);
void ShowTextError(int textNumber);
// A file that cannot be opened as what it should be: the fixed notice "Open File Error!" with the
// reason below it, in one box.
void ShowOpenFileError(const QString& reason);

// The width a box needs so that its title bar shows the whole caption beside the window buttons.
int MessageBoxMinimumWidth(const QWidget* box, const QString& title);
