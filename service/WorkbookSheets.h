// The sheet names of an existing .xlsx workbook, read from its zip archive (xl/workbook.xml), so that
// an export can tell whether replacing the file would lose sheets it did not write.
#pragma once

#include <string>
#include <vector>

// The sheets of the workbook at path, in workbook order. False, names untouched, when the file is no
// workbook this program can read (not a zip archive, no xl/workbook.xml, damaged or too large).
bool ReadWorkbookSheetNames(const std::string& path, std::vector<std::string>& names);
