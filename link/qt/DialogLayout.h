// Layout of the small radio-information windows built in code: their controls above a row of
// buttons at the right, the window fixed at its natural size.
#pragma once

#include <initializer_list>

class QDialog;
class QLayout;
class QPushButton;

// body: the window's controls; buttons: left to right at the bottom right. Sets the layout on dialog.
void LayOutDialog(QDialog* dialog, QLayout* body, std::initializer_list<QPushButton*> buttons);
