// Model-information window (template 494), built in code on DescribeModelInfo.
#include "link/qt/ModelInfoDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "app/LangText.h"
#include "codeplug/ModelInfo.h"
#include "link/qt/DialogLayout.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

// Wide enough for the longest value: a 32-character file name with ".dat".
constexpr int kValueChars = 36;

} // namespace

ModelInfoDialog::ModelInfoDialog(QWidget* parent, const CodePlug& image) : QDialog(parent)
{
    setWindowTitle(Text(8001));
    const ModelInfoView view = DescribeModelInfo(image, g_modelInfo);
    const struct {
        int label;
        const std::string& value;
    } rows[kRows] = {
        {8002, view.serialNumber}, {8003, view.hardwareVersion}, {8000, view.mcuVersion},
        {8004, view.pcVersion},    {8005, view.lastProgrammed},  {8006, view.fileName},
    };

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int r = 0; r < kRows; ++r) {
        m_labels[r] = new QLabel(Text(rows[r].label), this);
        m_values[r] = new QLineEdit(QString::fromStdString(rows[r].value), this);
        m_values[r]->setReadOnly(true);
        QPalette readOnly = m_values[r]->palette(); // a field to read, not to type into
        readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
        m_values[r]->setPalette(readOnly);
        m_values[r]->setCursorPosition(0);
        m_values[r]->setMinimumWidth(
            m_values[r]->fontMetrics().horizontalAdvance(QString(kValueChars, QLatin1Char('n'))));
        m_labels[r]->setBuddy(m_values[r]);
        grid->addWidget(m_labels[r], r, 0);
        grid->addWidget(m_values[r], r, 1);
    }
    m_ok = new QPushButton(Text(90000), this);
    m_ok->setDefault(true);
    m_ok->setFocus();
    LayOutDialog(this, grid, {m_ok});

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}
