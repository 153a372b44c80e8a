// A paint device that records what is drawn on it instead of drawing: lines, rectangles and text runs
// with the pen they were drawn with, at a resolution the test chooses (254 dpi: 10 pixels a millimetre).
#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QTextItem>

#include <climits>
#include <cmath>
#include <vector>

struct RecordedLine {
    QLineF line;
    QPen pen;
};
struct RecordedRect {
    QRectF rect;
    QPen pen;
    QBrush brush;
};
struct RecordedText {
    QString text;
    QPointF baseline; // left end of the baseline
    double width;
    double ascent;
    double descent;
    QColor colour;
    QFont font;
    double Left() const { return baseline.x(); }
    double Right() const { return baseline.x() + width; }
    double Top() const { return baseline.y() - ascent; }
    double MiddleX() const { return baseline.x() + width / 2; }
    double MiddleY() const { return baseline.y() + (descent - ascent) / 2; }
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyPen)
            m_pen = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush)
            m_brush = state.brush();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines_.push_back({lines[i], m_pen});
    }
    void drawLines(const QLine* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines_.push_back({QLineF(lines[i]), m_pen});
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            rects_.push_back({rects[i], m_pen, m_brush});
    }
    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            rects_.push_back({QRectF(rects[i]), m_pen, m_brush});
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        texts_.push_back(
            {item.text(), p, item.width(), item.ascent(), item.descent(), m_pen.color(), item.font()});
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

    std::vector<RecordedLine> lines_;
    std::vector<RecordedRect> rects_;
    std::vector<RecordedText> texts_;

private:
    QPen m_pen;
    QBrush m_brush;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(int dpi = 254) : m_dpi(dpi) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    RecordingEngine& Engine() const { return m_engine; }

    // Text as a reader sees it: runs that continue one another on the same baseline (a change of
    // script starts a new run) joined into one; a label and the value drawn right after it join too.
    std::vector<RecordedText> Texts() const
    {
        std::vector<RecordedText> joined;
        for (const RecordedText& t : m_engine.texts_) {
            if (!joined.empty()) {
                RecordedText& last = joined.back();
                if (last.baseline.y() == t.baseline.y() && std::abs(last.Right() - t.Left()) < 1.0) {
                    last.text += t.text;
                    last.width += t.width;
                    continue;
                }
            }
            joined.push_back(t);
        }
        return joined;
    }

    // The first text run (one script of one drawn text) that reads exactly text, nullptr when none does.
    const RecordedText* Text(const QString& text) const
    {
        for (const RecordedText& t : m_engine.texts_) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }

    // The first joined text that reads exactly text (for texts that mix scripts), nullptr when none does.
    const RecordedText* Joined(const QString& text) const
    {
        if (m_joinedFrom != m_engine.texts_.size()) { // drawn since the last look
            m_joined = Texts();
            m_joinedFrom = m_engine.texts_.size();
        }
        for (const RecordedText& t : m_joined) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 297 * m_dpi * 10 / 254;
        case PdmHeight:
            return 210 * m_dpi * 10 / 254;
        case PdmWidthMM:
            return 297;
        case PdmHeightMM:
            return 210;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    int m_dpi;
    mutable RecordingEngine m_engine;
    mutable std::vector<RecordedText> m_joined;
    mutable std::size_t m_joinedFrom = 0;
};
