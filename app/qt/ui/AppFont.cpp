// The application font and the helper that dialogs use to put it on their controls in Chinese mode.
#include "app/qt/ui/AppFont.h"

#include <QStringList>
#include <QWidget>

#include "app/AppState.h"

QFont g_fontApp;

void InitAppFont()
{
    QFont font;
    if (g_nLanguage == kLangChinese) {
        // The first installed family wins; the Noto CJK faces come with fonts-noto-cjk, the two
        // faces the package depends on (one or the other) with fonts-wqy-zenhei and fonts-arphic-uming.
        font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                          QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                          QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN"),
                          QStringLiteral("Droid Sans Fallback")});
    } else {
        font.setFamilies({QStringLiteral("Tahama"), QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                          QStringLiteral("Noto Sans"), QStringLiteral("Liberation Sans")});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    g_fontApp = font;
}

void UseAppFont(QWidget* widget)
{
    if (widget != nullptr && g_nLanguage == kLangChinese)
        widget->setFont(g_fontApp);
}

void UseAppFont(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets)
        UseAppFont(w);
}
