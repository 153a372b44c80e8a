// The delivery list of a fleet run on paper or in a PDF file: A4 landscape, the report's fonts, a table
// of the radios with their serial numbers, time and result.
#pragma once

#include <QString>

#include "fleet/DeliveryList.h"

class QPainter;
class QWidget;

// Draws one page (1-based) on the painter's device.
void DrawDeliveryPage(QPainter* painter, const DeliveryList& list, int page);
// Writes every page to a PDF file; false when the file could not be written.
bool WriteDeliveryPdf(const DeliveryList& list, const QString& path);
// The print dialog, then the list on the printer chosen (or in the PDF file the dialog offers).
void PrintDeliveryList(QWidget* parent, const DeliveryList& list);
