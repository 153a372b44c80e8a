// The one page renderer of the code-plug report: the preview's bitmap, the printer and the PDF file
// all draw through it.
#pragma once

#include <QFont>

class QPainter;
struct ReportJob;

// Draws the job's current page on the painter's device, every position converted from millimetres with
// the device's resolution. Does nothing when the painter has no active device.
void DrawReportPage(QPainter* painter, const ReportJob& job);

// The report's fonts for a device of dpiY vertical pixels per inch: 16 point bold for the title,
// 10 point regular for the rest.
QFont ReportFont(bool chinese, int points, bool bold, int dpiY);
