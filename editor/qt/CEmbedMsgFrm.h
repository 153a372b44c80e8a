// Embedded-message editor page: two 32-character lines stored in the image only on OK.
#pragma once

#include <QWidget>

#include <string>

class QLineEdit;
class QPushButton;

class CEmbedMsgFrm : public QWidget {
    Q_OBJECT
public:
    explicit CEmbedMsgFrm(QWidget* parent = nullptr);
    ~CEmbedMsgFrm() override;

    // Fills both edits from the image.
    void OnInitialUpdate();

    QLineEdit* Line1Edit() const { return m_pLine1; }
    QLineEdit* Line2Edit() const { return m_pLine2; }
    QPushButton* OkButton() const { return m_pOk; }

    void OnOK();

private:
    void CloseWindow();

    QLineEdit* m_pLine1 = nullptr;
    QLineEdit* m_pLine2 = nullptr;
    QPushButton* m_pOk = nullptr;
    std::string m_strLine1; // the lines as read from the image
    std::string m_strLine2;
};
