// The page area of the print preview: the current page drawn at screen resolution into an off-screen
// bitmap and scaled to one of three zoom levels on a patterned background, with scroll bars, wheel and
// left clicks that cycle the zoom.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPixmap>

#include "print/PreviewGeometry.h"
#include "print/ReportJob.h"

class CPreviewPageArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CPreviewPageArea(const ReportJob& job, QWidget* parent = nullptr);

    // Shows another page of the job (from 1).
    void SetPage(int page);
    int Page() const { return m_job.currentPage; }

    const PreviewZoom& Zoom() const { return m_zoom; }
    // The rectangle the page takes on the viewport at the current zoom and scroll positions.
    QRect PageRect() const;
    // The page as drawn at screen resolution (before scaling).
    const QImage& PageBitmap();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void FitOnce();
    void UpdateScrollBars();

    ReportJob m_job; // the preview's copy, printing clear
    int m_dx;        // screen pixels per inch, measured once
    int m_dy;
    PixelSize m_canvas;
    PreviewZoom m_zoom;
    WheelLines m_wheel;
    QImage m_bitmap;
    int m_bitmapPage = 0; // page held by m_bitmap, 0 = none yet
    QPixmap m_pattern;
};
