// The user manual inside the program: a window with the page of the window F1 was pressed in, and
// Back, Forward, Contents and Close. It needs no browser, and it stays usable beside a modal dialog.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

class CHelpViewer : public QWidget {
    Q_OBJECT
public:
    // contentsPage: the manual's contents page in the interface language.
    CHelpViewer(QWidget* parent, const QString& contentsPage);

    // Shows a page of the manual at a section (empty: its top).
    void ShowPage(const QString& file, const QString& section);
    QTextBrowser* Browser() const { return m_browser; }
    QString CurrentPage() const;

private:
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QString m_contents;
};

// Opens the user manual at the page that explains the window `front` (a dialog, or the main window
// with its current child window; a message box defers to the window beneath it), or at its contents
// page. The compiled-help file of the model wins where the application directory holds one. A manual
// that is not installed is reported.
void ShowHelp(QWidget* front, bool contents = false);

// The F1 key in every window other than mainWindow (dialogs, the print preview), whose own F1 is its
// Help command.
void InstallHelpKey(QWidget* mainWindow);

// The manual's window while one is open (tests look at it), else nullptr.
CHelpViewer* CurrentHelpViewer();
