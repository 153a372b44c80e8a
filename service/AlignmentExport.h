// The alignment parameters as a spreadsheet: one sheet "AdjustData", row 1 the column names, row 2 the
// values of the parameter table.
#pragma once

#include <string>
#include <vector>

class AlignmentTables;

inline constexpr const char* kAlignmentSheetName = "AdjustData";

// One name per value column of every parameter row: the row's label, "-" and the column's heading
// (rows 1 and 2 under layout A, rows 5 and 6 under layout B, the others under layout C); 21 names.
std::vector<std::string> AlignmentColumnNames();
// The parameter cells under those names, blanks trimmed ("" for an empty cell).
std::vector<std::string> AlignmentColumnValues(const AlignmentTables& tables);

// How an export ended: the workbook written, or why nothing was.
struct SheetExport {
    bool written = false;
    std::string path;              // the file written (or meant): a name ending in ".xls" gets ".xlsx"
    int textNumber = 7025;         // the failure's text: 7025, or 9644 to 9646 with args
    std::vector<std::string> args; // for textNumber
    bool renamed = false;          // path is not the name asked for
};

// The name a workbook is written under: the .xlsx file it is. A name ending in ".xlsx" stays, one
// ending in ".xls" (any case) gets an "x"; any other name is refused (empty).
std::string WorkbookPath(const std::string& asked);

// Writes the workbook, refusing a name that is no .xlsx name and a workbook whose other sheets would be
// lost (nothing written then).
SheetExport ExportAlignmentSheet(const std::string& path, const AlignmentTables& tables);
// The message that reports the export: text 7024 + "!" (with the name written under, when it is not
// the name asked for), or the failure's text.
std::string SheetExportMessage(const SheetExport& result);
