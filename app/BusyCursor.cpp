// Wait cursor and messages of the radio windows.
#include "app/BusyCursor.h"

#include <QApplication>

#include "app/LangText.h"
#include "app/MsgBox.h"

void BusyCursor::Set(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void BusyCursor::ShowLinkMessage(int textNumber, const std::string& detail)
{
    QString message = QString::fromStdString(GetLangText(textNumber));
    if (!detail.empty())
        message += QStringLiteral("\n\n") + QString::fromStdString(detail);
    WithNormalCursor([&] {
        ShowMessage(message);
        return true;
    });
}
