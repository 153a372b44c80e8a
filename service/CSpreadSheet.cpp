// The workbook writer over libxlsxwriter: the sheet is written into a temporary file without a name,
// whose content then replaces the target file in one step.
#include "service/CSpreadSheet.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <unistd.h>

#include "app/AtomicFile.h"
#include "service/WorkbookSheets.h"

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

constexpr int kTextOtherSheets = 9644; // "The workbook %1 holds other sheets (%2) ..."
constexpr int kTextNotAWorkbook = 9645;

// A fresh file in the system's temporary folder that has no name, so nothing of it stays behind
// whatever ends the program; -1 when none can be made. Where the folder cannot hold a file without a
// name, the file is named for the moment it takes to remove the name.
int OpenUnnamedTemporaryFile()
{
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    if (ec)
        return -1;
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    std::string pattern = (folder / "vpx-sheet-XXXXXX").string();
    const int named = ::mkstemp(pattern.data());
    if (named >= 0)
        ::unlink(pattern.c_str());
    return named;
}

bool ReadFromStart(int fd, std::string& bytes)
{
    bytes.clear();
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty())
            text += ", ";
        text += name;
    }
    return text;
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

bool CSpreadSheet::MayReplace()
{
    std::error_code ec;
    if (!std::filesystem::exists(m_file, ec))
        return true;
    std::vector<std::string> sheets;
    if (!std::filesystem::is_regular_file(m_file, ec) || !ReadWorkbookSheetNames(m_file, sheets)) {
        m_refusal = {kTextNotAWorkbook, {m_file}};
        return false;
    }
    std::vector<std::string> others;
    for (const std::string& sheet : sheets)
        if (sheet != m_sheet)
            others.push_back(sheet);
    if (others.empty())
        return true;
    m_refusal = {kTextOtherSheets, {m_file, Joined(others)}};
    return false;
}

bool CSpreadSheet::Commit()
{
    m_refusal = SheetRefusal{};
    if (m_file.empty() || m_sheet.empty() || !MayReplace())
        return false;
    const int fd = OpenUnnamedTemporaryFile();
    if (fd < 0)
        return false;
    // The writer takes a file name; the process's own link to the open file serves as one.
    std::string bytes;
    const bool ok = WriteWorkbook("/proc/self/fd/" + std::to_string(fd)) && ReadFromStart(fd, bytes) &&
                    WriteFileAtomically(m_file, bytes);
    ::close(fd);
    return ok;
}
