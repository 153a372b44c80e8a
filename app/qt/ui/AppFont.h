// The application font g_fontApp: 9 point, a Song face in Chinese mode (falling back to an installed
// CJK face so Chinese never renders as boxes) and a plain sans face in English mode.
#pragma once

#include <QFont>

#include <initializer_list>

class QWidget;

extern QFont g_fontApp;

// Builds g_fontApp for g_nLanguage (call after the language is fixed).
void InitAppFont();

// In Chinese mode puts g_fontApp on each widget; in English mode the widgets keep their own font.
void UseAppFont(std::initializer_list<QWidget*> widgets);
void UseAppFont(QWidget* widget);
