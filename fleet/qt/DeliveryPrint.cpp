// Drawing the delivery list with the report's fonts, for the printer and for PDF files.
#include "fleet/qt/DeliveryPrint.h"

#include <filesystem>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "print/qt/DrawReportPage.h"

namespace {

constexpr double kMarginMm = 15;
constexpr double kTitleMm = 12;
constexpr double kLineMm = 6.5;
// Column widths in tenths of the table's width: No., serial, hardware, firmware, port, time, result.
constexpr int kColumnParts[kDeliveryColumns] = {5, 18, 12, 10, 20, 20, 15};

QString Q(const std::string& text) { return QString::fromStdString(text); }

void DrawRow(QPainter* painter, const QRectF& line, const DeliveryRow& row, bool header)
{
    int parts = 0;
    for (int p : kColumnParts)
        parts += p;
    double x = line.left();
    for (int c = 0; c < kDeliveryColumns; ++c) {
        const double width = line.width() * kColumnParts[c] / parts;
        const QRectF cell(x, line.top(), width, line.height());
        painter->drawRect(cell);
        painter->drawText(cell.adjusted(width * 0.03, 0, -width * 0.03, 0),
                          Qt::AlignVCenter | (header ? Qt::AlignHCenter : Qt::AlignLeft), Q(row[c]));
        x += width;
    }
}

void PrintPages(QPainter* painter, QPagedPaintDevice* device, const DeliveryList& list)
{
    for (int page = 1; page <= list.PageCount(); ++page) {
        if (page > 1)
            device->newPage();
        DrawDeliveryPage(painter, list, page);
    }
}

} // namespace

void DrawDeliveryPage(QPainter* painter, const DeliveryList& list, int page)
{
    if (painter == nullptr || !painter->isActive())
        return;
    const QPaintDevice* device = painter->device();
    const double mmX = device->logicalDpiX() / 25.4;
    const double mmY = device->logicalDpiY() / 25.4;
    const double width = device->width() - 2 * kMarginMm * mmX;
    painter->save();
    painter->setPen(Qt::black);
    double y = kMarginMm * mmY;
    painter->setFont(ReportFont(list.chinese, 16, true, device->logicalDpiY()));
    painter->drawText(QRectF(kMarginMm * mmX, y, width, kTitleMm * mmY), Qt::AlignHCenter | Qt::AlignTop, Q(list.title));
    y += kTitleMm * mmY;
    painter->setFont(ReportFont(list.chinese, 10, false, device->logicalDpiY()));
    const QRectF info(kMarginMm * mmX, y, width, kLineMm * mmY);
    painter->drawText(info, Qt::AlignLeft | Qt::AlignVCenter, Q(list.outcome));
    painter->drawText(info, Qt::AlignRight | Qt::AlignVCenter,
                      Q(list.made) + QStringLiteral("   %1/%2").arg(page).arg(list.PageCount()));
    y += 1.5 * kLineMm * mmY;
    DrawRow(painter, QRectF(kMarginMm * mmX, y, width, kLineMm * mmY), list.header, true);
    for (const DeliveryRow& row : list.RowsOfPage(page)) {
        y += kLineMm * mmY;
        DrawRow(painter, QRectF(kMarginMm * mmX, y, width, kLineMm * mmY), row, false);
    }
    painter->restore();
}

bool WriteDeliveryPdf(const DeliveryList& list, const QString& path)
{
    const QString partial = path + QStringLiteral(".part");
    {
        QPdfWriter writer(partial);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        writer.setResolution(300);
        writer.setTitle(Q(list.title));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        PrintPages(&painter, &writer, list);
        painter.end();
    }
    std::error_code ec; // the old file stays until the new one is whole, then is replaced at once
    std::filesystem::rename(partial.toStdString(), path.toStdString(), ec);
    if (ec)
        QFile::remove(partial);
    return !ec;
}

void PrintDeliveryList(QWidget* parent, const DeliveryList& list)
{
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(Q(list.title));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (painter.begin(&printer))
        PrintPages(&painter, &printer, list);
}
