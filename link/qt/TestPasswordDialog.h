// The test-password window: the service access code unlocks the service functions and the service
// view for the rest of the run; a wrong code locks them and says so.
#pragma once

#include <QDialog>

#include "link/ServiceAccess.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TestPasswordDialog : public QDialog {
    Q_OBJECT
public:
    // setMenuItem enables or grays the service menu items of the main window (may be empty).
    explicit TestPasswordDialog(QWidget* parent = nullptr, MenuItemEnabler setMenuItem = {});

    QLabel* PromptLabel() const { return m_prompt; }
    QLineEdit* CodeEdit() const { return m_code; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // OK: the code sets or clears the service flags and menu items (5202 for a wrong code), then the
    // window closes. Cancel changes nothing.
    void accept() override;

private:
    MenuItemEnabler m_setMenuItem;
    QLabel* m_prompt;
    QLineEdit* m_code;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
