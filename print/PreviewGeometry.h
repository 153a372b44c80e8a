// Arithmetic of the print preview's page area without widgets: the canvas (page plus a half-inch
// margin), the three zoom levels and their cycle, where the page stands, the scroll ranges and the
// mouse wheel's line count.
#pragma once

// Size in screen pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
};

// The page (297 x 210 mm) at dx, dy pixels per inch, as the off-screen bitmap holds it.
PixelSize PreviewPageSize(int dx, int dy);
// The canvas: the page plus half an inch on every side, W = dx + dx * 2970 / 254, H likewise.
PixelSize PreviewCanvasSize(int dx, int dy);

// The zoom of the page area: the fit level f found on the first paint, then 0.7 f, f and 1.0 in a
// cycle f -> 1.0 -> 0.7 f -> f of left clicks.
class PreviewZoom {
public:
    // Sets the levels from the client and canvas sizes: f = min(client / canvas per axis), at most 1.
    void Fit(PixelSize client, PixelSize canvas);
    bool IsFitted() const { return m_fitted; }
    double Current() const { return m_levels[m_index]; }
    double Level(int i) const { return m_levels[i]; } // 0: 0.7 f, 1: f, 2: 1.0
    void Next() { m_index = (m_index + 1) % 3; }

private:
    double m_levels[3] = {0.7, 1.0, 1.0};
    int m_index = 1;
    bool m_fitted = false;
};

// Largest scroll position of an axis: the scaled canvas less the client extent, never below 0.
int PreviewScrollMax(int canvasExtent, double zoom, int clientExtent);

// Top-left corner of the page on the client area. A scaled canvas that fits the client area on both
// axes is centred; otherwise the page starts half an inch (scaled) from the corner, shifted by the
// scroll positions.
struct PixelPoint {
    int x = 0;
    int y = 0;
};
PixelPoint PreviewPageOrigin(int dx, int dy, double zoom, PixelSize canvas, PixelSize client, int scrollX,
                             int scrollY);

// Mouse wheel: one 15-pixel line per (120 / scroll lines) units of wheel movement, the remainder kept
// for the next movement. Add returns the lines to scroll, positive upward.
inline constexpr int kPreviewLineStep = 15;
class WheelLines {
public:
    int Add(int delta, int scrollLines);

private:
    int m_rest = 0;
};
