// Embedded-message editor page (template 499): two lines of up to 32 characters, written into
// the image by OK; closing the window any other way discards the edits.
#include "editor/qt/CEmbedMsgFrm.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/CChildFrame.h"
#include "codeplug/Document.h"
#include "editor/EmbeddedMessage.h"

namespace {
QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }

// Only plain ASCII reaches the radio; other characters are left out.
std::string AsciiOf(const QString& text)
{
    std::string out;
    for (QChar c : text) {
        if (c.unicode() > 0 && c.unicode() < 0x80) {
            out += static_cast<char>(c.unicode());
        }
    }
    return out;
}
} // namespace

CEmbedMsgFrm::CEmbedMsgFrm(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(Lang(4433));
    m_pLine1 = new QLineEdit(this);
    m_pLine2 = new QLineEdit(this);
    for (QLineEdit* edit : {m_pLine1, m_pLine2}) {
        edit->setMaxLength(kEmbeddedLineChars);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * (kEmbeddedLineChars + 2));
    }
    m_pOk = new QPushButton(Lang(90000), this);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pLine1, 0, 0);
    grid->addWidget(m_pLine2, 1, 0);
    grid->addWidget(m_pOk, 2, 0, Qt::AlignHCenter);
    UseAppFont({m_pLine1, m_pLine2, m_pOk});
    connect(m_pOk, &QPushButton::clicked, this, &CEmbedMsgFrm::OnOK);
}

CEmbedMsgFrm::~CEmbedMsgFrm() = default;

void CEmbedMsgFrm::OnInitialUpdate()
{
    m_strLine1 = ReadEmbeddedLine(g_doc.image, 1);
    m_strLine2 = ReadEmbeddedLine(g_doc.image, 2);
    m_pLine1->setText(QString::fromLatin1(m_strLine1));
    m_pLine2->setText(QString::fromLatin1(m_strLine2));
    show();
}

void CEmbedMsgFrm::OnOK()
{
    // A line the user did not edit goes back as it was read, so that it is left untouched.
    const std::string line1 = m_pLine1->isModified() ? AsciiOf(m_pLine1->text()) : m_strLine1;
    const std::string line2 = m_pLine2->isModified() ? AsciiOf(m_pLine2->text()) : m_strLine2;
    {
        EditStep step;
        WriteEmbeddedMessage(g_doc.image, line1, line2);
    }
    CloseWindow();
}

void CEmbedMsgFrm::CloseWindow() { ClosePageWindow(this); }
