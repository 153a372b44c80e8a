// The workbook writer over libxlsxwriter: the sheet is written into a temporary file, which then
// replaces the target file in one step.
#include "service/CSpreadSheet.h"

#include <xlsxwriter.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <unistd.h>

#include "app/AtomicFile.h"
#include "codeplug/DataFile.h"

namespace {

// Digits only, at most 9 of them, with an optional minus: written as a number.
bool IsWholeNumber(const std::string& text)
{
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() <= start || text.size() - start > 9)
        return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// A fresh, empty file in the system's temporary folder; empty when none can be made.
std::string MakeTemporaryFile()
{
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "vpx-sheet-XXXXXX").string();
    if (ec)
        return std::string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        return std::string();
    close(fd);
    return pattern;
}

} // namespace

CSpreadSheet::CSpreadSheet(std::string file, std::string sheet)
    : m_file(std::move(file)), m_sheet(std::move(sheet))
{
}

void CSpreadSheet::BeginTransaction()
{
    m_headers.clear();
    m_rows.clear();
}

bool CSpreadSheet::AddHeaders(const std::vector<std::string>& names, bool replace)
{
    std::vector<std::string> headers = replace ? std::vector<std::string>() : m_headers;
    headers.insert(headers.end(), names.begin(), names.end());
    const std::set<std::string> distinct(headers.begin(), headers.end());
    if (distinct.size() != headers.size())
        return false;
    m_headers = std::move(headers);
    return true;
}

bool CSpreadSheet::AddRow(const std::vector<std::string>& values)
{
    if (m_headers.empty() || values.size() > m_headers.size())
        return false;
    m_rows.push_back(values);
    return true;
}

bool CSpreadSheet::WriteWorkbook(const std::string& path) const
{
    lxw_workbook* book = workbook_new(path.c_str());
    if (book == nullptr)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, m_sheet.c_str());
    bool ok = sheet != nullptr;
    for (std::size_t c = 0; ok && c < m_headers.size(); ++c)
        ok = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), m_headers[c].c_str(), nullptr) ==
             LXW_NO_ERROR;
    for (std::size_t r = 0; ok && r < m_rows.size(); ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; ok && c < m_rows[r].size(); ++c) {
            const std::string& value = m_rows[r][c];
            const auto col = static_cast<lxw_col_t>(c);
            if (value.empty())
                continue;
            ok = (IsWholeNumber(value)
                      ? worksheet_write_number(sheet, row, col, std::atof(value.c_str()), nullptr)
                      : worksheet_write_string(sheet, row, col, value.c_str(), nullptr)) == LXW_NO_ERROR;
        }
    }
    // Closing writes the file and frees the workbook whatever happened before.
    const bool closed = workbook_close(book) == LXW_NO_ERROR;
    return ok && closed;
}

bool CSpreadSheet::Commit()
{
    if (m_file.empty() || m_sheet.empty())
        return false;
    const std::string temporary = MakeTemporaryFile();
    if (temporary.empty())
        return false;
    std::string bytes;
    const bool ok =
        WriteWorkbook(temporary) && ReadWholeFile(temporary, bytes) && WriteFileAtomically(m_file, bytes);
    std::error_code ec;
    std::filesystem::remove(temporary, ec);
    return ok;
}
