// Message box wrapper: real boxes for the user, queued answers for tests.
#include "app/qt/ui/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

#include "app/AppState.h"
#include "app/LangText.h"

namespace {

bool s_nonInteractive = false;

// Room a title bar takes besides the caption: the window icon and the close button (and whatever a
// window manager adds), with margins.
constexpr int kTitleBarExtra = 110;

// The interface text of a standard button, so that a box reads in the program's language and not in
// the toolkit's; 0 for a button without one.
int ButtonTextNumber(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return 90000;
    case QMessageBox::Cancel:
        return 90001;
    case QMessageBox::Yes:
        return 90003;
    case QMessageBox::No:
        return 90004;
    default:
        return 0;
    }
}

} // namespace

std::deque<QMessageBox::StandardButton>& MsgBox::Answers()
{
    static std::deque<QMessageBox::StandardButton> answers;
    return answers;
}

QStringList& MsgBox::ShownTexts()
{
    static QStringList texts;
    return texts;
}

void MsgBox::SetNextAnswer(QMessageBox::StandardButton answer) { Answers().push_back(answer); }

void MsgBox::ClearAnswers()
{
    Answers().clear();
    ShownTexts().clear();
}

void MsgBox::SetNonInteractive(bool on) { s_nonInteractive = on; }

QMessageBox::StandardButton MsgBox::Ask(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton, QMessageBox::Icon icon)
{
    ShownTexts().append(text);
    if (!Answers().empty()) {
        QMessageBox::StandardButton answer = Answers().front();
        Answers().pop_front();
        return answer;
    }
    if (s_nonInteractive)
        return defaultButton != QMessageBox::NoButton ? defaultButton : QMessageBox::Ok;
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // A box is sized by its text; a short text would leave the caption cut in the title bar.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(&box, title), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    for (QAbstractButton* button : box.buttons()) {
        const int number = ButtonTextNumber(box.standardButton(button));
        const std::string caption = number != 0 ? GetLangText(number) : std::string();
        if (!caption.empty()) // without the text file the toolkit's own word stays readable
            button->setText(QString::fromStdString(caption));
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowMessage(const QString& text)
{
    QWidget* parent = QApplication::activeWindow();
    MsgBox::Ask(parent, QString::fromStdString(g_strModel).toUpper(), text, QMessageBox::Ok, QMessageBox::Ok,
                QMessageBox::NoIcon);
}

void ShowMessage(const std::string& text) { ShowMessage(QString::fromStdString(text)); }

void ShowTextMessage(int textNumber) { ShowMessage(GetLangText(textNumber)); }

void ShowErrorMessage(const QString& text)
{
    QWidget* parent = QApplication::activeWindow();
    MsgBox::Ask(parent, QString::fromStdString(g_strModel).toUpper(), text, QMessageBox::Ok, QMessageBox::Ok,
                QMessageBox::Warning);
}

void ShowTextError(int textNumber) { ShowErrorMessage(QString::fromStdString(GetLangText(textNumber))); }

void ShowOpenFileError(const QString& reason)
{
    ShowErrorMessage(QStringLiteral("Open File Error!\n\n") + reason);
}

int MessageBoxMinimumWidth(const QWidget* box, const QString& title)
{
    // Title bars usually draw their caption in a bold face of about the application font's size.
    QFont font = box != nullptr ? box->font() : QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarExtra;
}
