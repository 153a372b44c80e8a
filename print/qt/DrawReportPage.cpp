// The report page: frame (preview only), title, settings block, channel table and footer, laid out in
// millimetres and converted with the resolution of whatever device the painter draws on.
#include "print/qt/DrawReportPage.h"

#include <QPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>

#include "print/ReportJob.h"
#include "print/ReportLayout.h"

namespace {

const QColor kGreyText(130, 130, 130);

// Millimetres to pixels of one device.
struct DeviceMm {
    int dx;
    int dy;
    int X(double mm) const { return MmToDevice(mm, dx); }
    int Y(double mm) const { return MmToDevice(mm, dy); }
    QRect Rect(double left, double top, double right, double bottom) const
    {
        return QRect(X(left), Y(top), X(right) - X(left), Y(bottom) - Y(top));
    }
};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// One line of text in a rectangle; text longer than its rectangle runs on rather than being cut.
void DrawLine(QPainter* p, const QRect& rect, int alignment, const std::string& text)
{
    if (!text.empty())
        p->drawText(rect, alignment | Qt::TextSingleLine | Qt::TextDontClip, Q(text));
}

void DrawSettings(QPainter* p, const DeviceMm& mm, const ReportModel& r)
{
    for (int i = 0; i < kReportSettingCount; ++i) {
        const EntryPlace place = EntryPlaceOf(i, r.chinese);
        const ReportEntry& entry = r.settings[static_cast<std::size_t>(i)];
        p->setPen(r.greyEntries && EntryGreyForRadioType1(i) ? kGreyText : QColor(Qt::black));
        const double bottom = place.top + kEntryHeightMm;
        if (place.labelRight > place.labelLeft) {
            DrawLine(p, mm.Rect(place.labelLeft, place.top, place.labelRight, bottom),
                     (place.labelAlignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop, entry.label);
        }
        if (place.valueRight > place.valueLeft)
            DrawLine(p, mm.Rect(place.valueLeft, place.top, place.valueRight, bottom),
                     Qt::AlignLeft | Qt::AlignTop, entry.value);
    }
}

// The table band of a page: k channel rows under the header, their rules, and the row texts.
// Returns the top of the last horizontal rule (where the footer stands).
double DrawTable(QPainter* p, const DeviceMm& mm, const ReportJob& job)
{
    const int page = job.currentPage;
    const int k = ChannelRowsOnPage(page, job.rowCount);
    const double top = TableTopMm(page);
    const double bottom = top + (k + 1) * kRowHeightMm;
    const auto edges = ReportColumnEdges();

    p->setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    for (int j = 0; j <= k + 1; ++j) {
        const int y = mm.Y(top + j * kRowHeightMm);
        p->drawLine(mm.X(kTableLeftMm), y, mm.X(kTableRightMm), y);
    }
    for (double x : edges)
        p->drawLine(mm.X(x), mm.Y(top), mm.X(x), mm.Y(bottom));

    p->setPen(Qt::black);
    const auto& rows = job.report.rows;
    auto drawRow = [&](int band, std::size_t rowIndex) {
        if (rowIndex >= rows.size())
            return;
        const double rowTop = top + band * kRowHeightMm;
        for (std::size_t c = 0; c < rows[rowIndex].size(); ++c)
            DrawLine(p, mm.Rect(edges[c], rowTop, edges[c + 1], rowTop + kRowHeightMm), Qt::AlignCenter,
                     rows[rowIndex][c]);
    };
    drawRow(0, 0);
    const int first = FirstChannelOnPage(page);
    for (int i = 0; i < k; ++i)
        drawRow(i + 1, static_cast<std::size_t>(first + i));
    return bottom;
}

void DrawFooter(QPainter* p, const DeviceMm& mm, const ReportJob& job, double top)
{
    const QRect band = mm.Rect(kTableLeftMm, top, kTableRightMm, top + kRowHeightMm);
    p->setPen(Qt::black);
    DrawLine(p, band, Qt::AlignLeft | Qt::AlignVCenter, job.report.makerLine);
    DrawLine(p, band, Qt::AlignHCenter | Qt::AlignVCenter, job.report.dateTime);
    DrawLine(p, band, Qt::AlignRight | Qt::AlignVCenter,
             PageNumberText(job.currentPage, job.pageCount, job.report.chinese));
}

} // namespace

QFont ReportFont(bool chinese, int points, bool bold, int dpiY)
{
    QFont font;
    if (chinese) {
        // A Song face as asked; where the system has none, a Ming face before any other CJK face.
        // Faces that map one glyph both to a Kangxi radical and to its ideograph are avoided: a PDF
        // written with them reads back "⾼" for "高", which breaks searching and copying a report.
        font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"),
                          QStringLiteral("AR PL UMing TW"), QStringLiteral("WenQuanYi Zen Hei"),
                          QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")});
    } else {
        font.setFamily(QStringLiteral("Tahama")); // where it is missing, the font matching picks a sans face
    }
    // Speed before looks, as a printer font: no shaping where the script needs none, which also keeps
    // "ff" and "fi" as separate letters, so that the PDF's text reads back "Off" and not "Oﬀ".
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPixelSize(std::max(1, FontPixelHeight(points, dpiY)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void DrawReportPage(QPainter* painter, const ReportJob& job)
{
    if (painter == nullptr || !painter->isActive() || painter->device() == nullptr)
        return;
    const DeviceMm mm{painter->device()->logicalDpiX(), painter->device()->logicalDpiY()};
    const ReportModel& r = job.report;
    painter->save();

    if (!job.printing) {
        const QRect sheet = mm.Rect(0, 0, kPageWidthMm, kPageHeightMm);
        painter->fillRect(sheet, Qt::white);
        painter->setPen(QPen(Qt::black, 6));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(sheet);
    }

    const QFont body = ReportFont(r.chinese, kBodyPoints, false, mm.dy);
    if (job.currentPage == 1) {
        painter->setFont(ReportFont(r.chinese, kTitlePoints, true, mm.dy));
        painter->setPen(Qt::black);
        DrawLine(painter, mm.Rect(0, kTitleTopMm, kPageWidthMm, kTitleBottomMm),
                 Qt::AlignHCenter | Qt::AlignTop, r.title);
        painter->setFont(body);
        DrawSettings(painter, mm, r);
    }
    painter->setFont(body);
    const double footerTop = DrawTable(painter, mm, job);
    DrawFooter(painter, mm, job, footerTop);
    painter->restore();
}
