// The read/write password window: two passwords of the code plug, each with a box, an edit and a
// confirmation edit; OK writes them into the image, Cancel changes nothing.
#pragma once

#include <QDialog>

#include "codeplug/Document.h"
#include "link/PasswordForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget* parent = nullptr, CodePlug& image = g_doc.image);

    QCheckBox* Box(PasswordKind kind) const { return Controls(kind).box; }
    QLineEdit* Edit(PasswordKind kind) const { return Controls(kind).edit; }
    QLineEdit* ConfirmEdit(PasswordKind kind) const { return Controls(kind).confirm; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // OK: 7807 or 7808 when a password and its confirmation differ (the window stays open);
    // otherwise the changed fields are written and the window closes.
    void accept() override;

private:
    struct PasswordControls {
        QCheckBox* box = nullptr;
        QLineEdit* edit = nullptr;
        QLabel* confirmLabel = nullptr;
        QLineEdit* confirm = nullptr;
    };
    const PasswordControls& Controls(PasswordKind kind) const
    {
        return kind == PasswordKind::Read ? m_read : m_write;
    }
    void BuildPassword(PasswordKind kind, int boxText, PasswordControls& controls);
    void OnBoxClicked(PasswordKind kind, bool on);
    // The character filter: anything but letters and digits shows 9703 and empties the edit.
    void OnEdited(PasswordKind kind, QLineEdit* edit, const QString& text);

    CodePlug& m_image;
    PasswordForm m_form;
    PasswordControls m_read;
    PasswordControls m_write;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
