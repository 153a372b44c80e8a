// Writing the code-plug report as a vector PDF file (A4 landscape, selectable text), for the window
// program's export and the command line. The caller needs no Qt: the writer brings up an off-screen
// Qt Gui when the program has none.
#pragma once

#include <string>

#include "print/ReportJob.h"

// Writes every page of the job into path, replacing the file as a whole. Returns 0, or the number of
// the interface text that tells why nothing was written.
int WriteReportPdfFile(const ReportJob& job, const std::string& path);
