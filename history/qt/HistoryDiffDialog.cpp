// The differences window of the radio history: the lines of the comparison and a Close button.
#include "history/qt/HistoryDiffDialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "history/HistoryTexts.h"

namespace {
constexpr int kCloseText = 90035;
constexpr int kWidth = 640;
constexpr int kHeight = 360;
} // namespace

HistoryDiffDialog::HistoryDiffDialog(QWidget* parent, const QString& text) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(GetLangText(histtext::kDifferences)));
    m_text = new QPlainTextEdit(text, this);
    m_text->setReadOnly(true);
    m_close = new QPushButton(QString::fromStdString(GetLangText(kCloseText)), this);
    m_close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    UseAppFont(this);
    resize(kWidth, kHeight);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}
