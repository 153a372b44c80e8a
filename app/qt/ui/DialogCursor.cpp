// Wait cursor of a radio window and the messages it shows with the normal cursor.
#include "app/qt/ui/DialogCursor.h"

#include <QApplication>

#include "app/LangText.h"
#include "app/qt/ui/MsgBox.h"

void DialogCursor::SetWait(bool on)
{
    if (on == m_wait)
        return;
    m_wait = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

namespace {

QString TextWithDetail(int textNumber, const std::string& detail)
{
    QString message = QString::fromStdString(GetLangText(textNumber));
    if (!detail.empty())
        message += QStringLiteral("\n\n") + QString::fromStdString(detail);
    return message;
}

} // namespace

void DialogCursor::ShowText(int textNumber, const std::string& detail)
{
    const QString message = TextWithDetail(textNumber, detail);
    WithNormalCursor([&] {
        ShowErrorMessage(message);
        return true;
    });
}

void DialogCursor::ShowSuccess(int textNumber, const std::string& detail)
{
    const QString message = TextWithDetail(textNumber, detail);
    WithNormalCursor([&] {
        ShowMessage(message);
        return true;
    });
}
