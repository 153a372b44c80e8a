// Column names and values of the alignment-data export and the workbook they go into.
#include "service/AlignmentExport.h"

#include "app/LangText.h"
#include "codeplug/HexText.h"
#include "service/AlignmentLayout.h"
#include "service/AlignmentTables.h"
#include "service/CSpreadSheet.h"

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

bool ExportAlignmentSheet(const std::string& path, const AlignmentTables& tables)
{
    CSpreadSheet sheet(path, kAlignmentSheetName);
    sheet.BeginTransaction();
    if (!sheet.AddHeaders(AlignmentColumnNames(), true))
        return false;
    return sheet.AddRow(AlignmentColumnValues(tables)) && sheet.Commit();
}
