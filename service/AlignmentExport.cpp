// Column names and values of the alignment-data export and the workbook they go into.
#include "service/AlignmentExport.h"

#include "app/LangText.h"
#include "codeplug/HexText.h"
#include "service/AlignmentLayout.h"
#include "service/AlignmentTables.h"
#include "service/CSpreadSheet.h"

namespace {
constexpr int kTextDone = 7024;      // "Export finished"
constexpr int kTextFailed = 7025;    // "Export failed; ..."
constexpr int kTextNotXlsx = 9646;   // "... the name must end in .xlsx: %1"
constexpr int kTextWrittenAs = 9647; // "Written as %1 (an .xlsx workbook)."
} // namespace

std::vector<std::string> AlignmentColumnNames()
{
    std::vector<std::string> names;
    for (int row = 1; row <= kParamRows; ++row) {
        const std::string label = GetLangText(ParamRowLabel(row));
        const auto headings = ParamHeadings(LayoutForRow(row));
        for (int col = 1; col <= ParamRowColumns(row); ++col)
            names.push_back(label + "-" + GetLangText(headings[static_cast<std::size_t>(col - 1)]));
    }
    return names;
}

std::vector<std::string> AlignmentColumnValues(const AlignmentTables& tables)
{
    std::vector<std::string> values;
    for (int row = 1; row <= kParamRows; ++row)
        for (int col = 1; col <= ParamRowColumns(row); ++col)
            values.push_back(TrimBlanks(tables.ParamText(row, col)));
    return values;
}

std::string WorkbookPath(const std::string& asked)
{
    const std::string upper = ToUpperAscii(asked);
    auto endsWith = [&](const std::string& tail) {
        return upper.size() > tail.size() &&
               upper.compare(upper.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith(".XLSX"))
        return asked;
    if (endsWith(".XLS"))
        return asked + (asked.back() == 'S' ? "X" : "x");
    return std::string();
}

SheetExport ExportAlignmentSheet(const std::string& path, const AlignmentTables& tables)
{
    SheetExport result;
    result.path = WorkbookPath(path);
    if (result.path.empty()) {
        result.path = path;
        result.textNumber = kTextNotXlsx;
        result.args = {path};
        return result;
    }
    result.renamed = result.path != path;
    CSpreadSheet sheet(result.path, kAlignmentSheetName);
    sheet.BeginTransaction();
    result.written = sheet.AddHeaders(AlignmentColumnNames(), true) &&
                     sheet.AddRow(AlignmentColumnValues(tables)) && sheet.Commit();
    if (!result.written && sheet.Refusal().textNumber != 0) {
        result.textNumber = sheet.Refusal().textNumber;
        result.args = sheet.Refusal().args;
    }
    return result;
}

std::string SheetExportMessage(const SheetExport& result)
{
    if (!result.written)
        return result.textNumber == kTextFailed ? GetLangText(kTextFailed) + "!"
                                                : GetLangTextWith(result.textNumber, result.args);
    std::string message = GetLangText(kTextDone) + "!";
    if (result.renamed) {
        message += "\n"; // appended piece by piece (GCC 12 -Wrestrict at -O3)
        message += GetLangTextWith(kTextWrittenAs, {result.path});
    }
    return message;
}
