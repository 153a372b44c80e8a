// A short line edit with up/down arrows beside it, as the page's numeric fields use: an arrow click
// (or the Up/Down key) replaces the edit's text by the next value of a wrapping range and nothing else.
#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

class CSpinEdit : public QWidget {
    Q_OBJECT
public:
    // stepper(text, +1 or -1) gives the text after one click.
    explicit CSpinEdit(QWidget* parent = nullptr);

    void SetStepper(std::function<QString(const QString&, int)> stepper) { m_stepper = std::move(stepper); }
    QLineEdit* Edit() const { return m_edit; }
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }
    // One click of the arrows.
    void Step(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    std::function<QString(const QString&, int)> m_stepper;
};
