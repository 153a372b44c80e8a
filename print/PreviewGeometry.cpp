// Page-area arithmetic of the print preview.
#include "print/PreviewGeometry.h"

#include <algorithm>
#include <cmath>

#include "print/ReportLayout.h"

PixelSize PreviewPageSize(int dx, int dy)
{
    return {MmToDevice(kPageWidthMm, dx), MmToDevice(kPageHeightMm, dy)};
}

PixelSize PreviewCanvasSize(int dx, int dy) { return {dx + dx * 2970 / 254, dy + dy * 2100 / 254}; }

void PreviewZoom::Fit(PixelSize client, PixelSize canvas)
{
    double f = 1.0;
    if (canvas.width > 0 && canvas.height > 0)
        f = std::min(static_cast<double>(client.width) / canvas.width,
                     static_cast<double>(client.height) / canvas.height);
    f = std::clamp(f, 0.01, 1.0); // a client area too small to measure still shows a page
    m_levels[0] = 0.7 * f;
    m_levels[1] = f;
    m_levels[2] = 1.0;
    m_index = 1;
    m_fitted = true;
}

int PreviewScrollMax(int canvasExtent, double zoom, int clientExtent)
{
    return std::max(0, static_cast<int>(canvasExtent * zoom) - clientExtent);
}

PixelPoint PreviewPageOrigin(int dx, int dy, double zoom, PixelSize canvas, PixelSize client, int scrollX,
                             int scrollY)
{
    const double scaledW = canvas.width * zoom;
    const double scaledH = canvas.height * zoom;
    const double marginX = dx / 2.0 * zoom;
    const double marginY = dy / 2.0 * zoom;
    if (scaledW <= client.width && scaledH <= client.height) {
        return {static_cast<int>(marginX + (client.width - scaledW) / 2),
                static_cast<int>(marginY + (client.height - scaledH) / 2)};
    }
    return {static_cast<int>(marginX) - scrollX, static_cast<int>(marginY) - scrollY};
}

int WheelLines::Add(int delta, int scrollLines)
{
    const int unit = std::max(1, 120 / std::max(1, scrollLines));
    m_rest += delta;
    int lines = 0;
    while (m_rest >= unit) {
        m_rest -= unit;
        ++lines;
    }
    while (m_rest <= -unit) {
        m_rest += unit;
        --lines;
    }
    return lines;
}
