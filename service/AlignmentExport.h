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

// Writes the workbook: true when the sheet was written.
bool ExportAlignmentSheet(const std::string& path, const AlignmentTables& tables);
