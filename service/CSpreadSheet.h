// A workbook writer with the few operations the alignment-data export needs: one sheet, a header row
// and value rows collected in a transaction, written as a whole .xlsx workbook on commit. It cannot
// edit a workbook, so it replaces an existing file only when that holds no other sheet than its own.
#pragma once

#include <string>
#include <vector>

// Why a commit wrote nothing: an interface text and its arguments (textNumber 0: no reason known).
struct SheetRefusal {
    int textNumber = 0;
    std::vector<std::string> args;
};

class CSpreadSheet {
public:
    // Remembers the workbook file and the sheet's name; nothing is written before Commit.
    CSpreadSheet(std::string file, std::string sheet);

    // Starts collecting afresh: no headers, no rows.
    void BeginTransaction();
    // Sets the header row (replace) or adds to it. Refused (false, nothing changed) when a name would
    // stand twice in the row.
    bool AddHeaders(const std::vector<std::string>& names, bool replace = false);
    // Adds a value row below the headers. Refused without a header row or with more values than
    // headers. An empty value leaves its cell blank; a whole number goes in as a number.
    bool AddRow(const std::vector<std::string>& values);

    // Writes the workbook with its one sheet, replacing the file as a whole (a failed commit leaves
    // an existing file as it was). Refused (false) when the file exists and is no workbook this writer
    // can read (9645), or holds sheets other than its own (9644, naming them): replacing it would lose
    // them. False on any failure; the work leaves no file behind in the temporary folder, not even
    // when the program is killed.
    bool Commit();
    const SheetRefusal& Refusal() const { return m_refusal; }

    const std::vector<std::string>& Headers() const { return m_headers; }
    const std::vector<std::vector<std::string>>& Rows() const { return m_rows; }

private:
    bool WriteWorkbook(const std::string& path) const;
    // True when the file may be replaced: it does not exist, or it holds only this writer's sheet.
    bool MayReplace();

    std::string m_file;
    std::string m_sheet;
    std::vector<std::string> m_headers;
    std::vector<std::vector<std::string>> m_rows;
    SheetRefusal m_refusal;
};
