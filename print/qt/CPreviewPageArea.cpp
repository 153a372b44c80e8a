// Page area of the print preview.
#include "print/qt/CPreviewPageArea.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

#include "print/qt/DrawReportPage.h"

CPreviewPageArea::CPreviewPageArea(const ReportJob& job, QWidget* parent)
    : QAbstractScrollArea(parent), m_job(job), m_dx(logicalDpiX()), m_dy(logicalDpiY()),
      m_canvas(PreviewCanvasSize(m_dx, m_dy)), m_pattern(QStringLiteral(":/vpxds/preview-pattern.png"))
{
    m_job.printing = false;
    m_job.currentPage = std::max(1, m_job.currentPage);
    setFrameShape(QFrame::NoFrame);
    horizontalScrollBar()->setSingleStep(kPreviewLineStep);
    verticalScrollBar()->setSingleStep(kPreviewLineStep);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CPreviewPageArea::SetPage(int page)
{
    m_job.currentPage = page;
    viewport()->update();
}

const QImage& CPreviewPageArea::PageBitmap()
{
    if (m_bitmapPage != m_job.currentPage) {
        const PixelSize size = PreviewPageSize(m_dx, m_dy);
        m_bitmap = QImage(size.width, size.height, QImage::Format_RGB32);
        m_bitmap.setDotsPerMeterX(static_cast<int>(std::lround(m_dx / 0.0254)));
        m_bitmap.setDotsPerMeterY(static_cast<int>(std::lround(m_dy / 0.0254)));
        m_bitmap.fill(Qt::white);
        QPainter painter(&m_bitmap);
        DrawReportPage(&painter, m_job);
        m_bitmapPage = m_job.currentPage;
    }
    return m_bitmap;
}

void CPreviewPageArea::FitOnce()
{
    if (m_zoom.IsFitted())
        return;
    m_zoom.Fit({viewport()->width(), viewport()->height()}, m_canvas);
    UpdateScrollBars();
}

void CPreviewPageArea::UpdateScrollBars()
{
    const double zoom = m_zoom.Current();
    const QSize client = viewport()->size();
    verticalScrollBar()->setPageStep(std::max(1, client.height()));
    verticalScrollBar()->setRange(0, PreviewScrollMax(m_canvas.height, zoom, client.height()));
    horizontalScrollBar()->setPageStep(std::max(1, client.width()));
    horizontalScrollBar()->setRange(0, PreviewScrollMax(m_canvas.width, zoom, client.width()));
}

QRect CPreviewPageArea::PageRect() const
{
    const double zoom = m_zoom.Current();
    const PixelPoint origin =
        PreviewPageOrigin(m_dx, m_dy, zoom, m_canvas, {viewport()->width(), viewport()->height()},
                          horizontalScrollBar()->value(), verticalScrollBar()->value());
    const PixelSize page = PreviewPageSize(m_dx, m_dy);
    return QRect(origin.x, origin.y, static_cast<int>(page.width * zoom),
                 static_cast<int>(page.height * zoom));
}

void CPreviewPageArea::paintEvent(QPaintEvent* /*event*/)
{
    FitOnce();
    const QImage& bitmap = PageBitmap();
    QPainter painter(viewport());
    if (m_pattern.isNull())
        painter.fillRect(viewport()->rect(), palette().window());
    else
        painter.fillRect(viewport()->rect(), QBrush(m_pattern));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PageRect(), bitmap);
}

void CPreviewPageArea::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CPreviewPageArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    FitOnce();
    m_zoom.Next();
    UpdateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void CPreviewPageArea::wheelEvent(QWheelEvent* event)
{
    const int lines = m_wheel.Add(event->angleDelta().y(), QApplication::wheelScrollLines());
    if (lines != 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - lines * kPreviewLineStep);
    event->accept();
}

void CPreviewPageArea::scrollContentsBy(int /*dx*/, int /*dy*/) { viewport()->update(); }
