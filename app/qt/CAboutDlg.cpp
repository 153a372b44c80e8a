// About box.
#include "app/qt/CAboutDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"

namespace {
QString Text(int number) { return QString::fromStdString(GetLangText(number)); }
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    const QString product = QString::fromUtf8(kProductName);
    const QString space = QStringLiteral(" ");
    m_name = new QLabel(this);
    m_models = new QLabel(this);
    m_version = new QLabel(this);
    m_date = new QLabel(this);
    m_maker = new QLabel(this);
    m_ok = new QPushButton(this);
    UseAppFont({m_name, m_models, m_version, m_date, m_maker, m_ok});

    m_ok->setText(Text(90000));
    setWindowTitle(Text(7201) + space + product);
    m_name->setText(Text(7208) + space + product + space + Text(7209));
    m_version->setText(Text(7204) + space +
                       QString::asprintf("%.2f", QString::fromStdString(g_strVersion).toDouble()));
    m_date->setText(Text(7205) + QStringLiteral(" 2011-04-20"));
    if (g_strModel.rfind("vpx", 0) == 0)
        m_maker->setText(Text(7206));
    m_models->setText(Text(7210) + space + QString::fromUtf8(kPrintModelName));

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/vpxds/app.png"))
                        .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignTop);
    auto* lines = new QVBoxLayout;
    for (QLabel* line : {m_name, m_models, m_version, m_date, m_maker})
        lines->addWidget(line);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(lines, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(bottom);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CAboutDlg::accept);
}
