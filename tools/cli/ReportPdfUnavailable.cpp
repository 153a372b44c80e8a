// The PDF writer of a build without Qt: the command line then reports that it cannot write reports.
#include "print/qt/ReportPdf.h"

int WriteReportPdfFile(const ReportJob& /*job*/, const std::string& /*path*/) { return 9517; }
