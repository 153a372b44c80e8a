// Reading the list of sheets out of an .xlsx file: the zip archive's central directory gives the entry
// xl/workbook.xml, which is stored or deflated; its <sheet name="..."/> elements name the sheets.
#include "service/WorkbookSheets.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>

namespace {

constexpr std::size_t kLargestWorkbook = 64u << 20; // no workbook this program meets comes near
constexpr std::size_t kLargestEntry = 16u << 20;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint32_t kDirectoryEntry = 0x02014b50;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::size_t kEndRecordBytes = 22;
constexpr std::size_t kDirectoryEntryBytes = 46;
constexpr std::size_t kLocalHeaderBytes = 30;
constexpr const char* kWorkbookEntry = "xl/workbook.xml";

// Little-endian numbers of the archive; 0 past the end (every caller checks the sizes first).
std::uint32_t Number(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        const std::size_t p = at + static_cast<std::size_t>(i);
        value = (value << 8) | (p < bytes.size() ? static_cast<unsigned char>(bytes[p]) : 0u);
    }
    return value;
}

bool ReadFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && bytes.size() <= kLargestWorkbook;
}

// The offset of the end-of-directory record: searched from the end, past a comment of up to 64 kB.
bool FindEndRecord(const std::string& zip, std::size_t& at)
{
    if (zip.size() < kEndRecordBytes)
        return false;
    const std::size_t lowest =
        zip.size() > kEndRecordBytes + 0xFFFF ? zip.size() - kEndRecordBytes - 0xFFFF : 0;
    for (std::size_t p = zip.size() - kEndRecordBytes + 1; p-- > lowest;) {
        if (Number(zip, p, 4) == kEndOfDirectory) {
            at = p;
            return true;
        }
    }
    return false;
}

bool Inflate(const std::string& packed, std::size_t size, std::string& out)
{
    out.assign(size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return rc == Z_STREAM_END && z.total_out == size;
}

// The content of one archive entry, found through the central directory.
bool ReadEntry(const std::string& zip, const std::string& name, std::string& content)
{
    std::size_t end = 0;
    if (!FindEndRecord(zip, end))
        return false;
    const std::size_t entries = Number(zip, end + 10, 2);
    std::size_t p = Number(zip, end + 16, 4);
    for (std::size_t i = 0; i < entries; ++i) {
        if (p + kDirectoryEntryBytes > zip.size() || Number(zip, p, 4) != kDirectoryEntry)
            return false;
        const std::uint32_t method = Number(zip, p + 10, 2);
        const std::size_t packedSize = Number(zip, p + 20, 4);
        const std::size_t size = Number(zip, p + 24, 4);
        const std::size_t nameLength = Number(zip, p + 28, 2);
        const std::size_t skip = nameLength + Number(zip, p + 30, 2) + Number(zip, p + 32, 2);
        const std::size_t local = Number(zip, p + 42, 4);
        if (p + kDirectoryEntryBytes + nameLength > zip.size())
            return false;
        if (zip.compare(p + kDirectoryEntryBytes, nameLength, name) == 0) {
            if (local + kLocalHeaderBytes > zip.size() || Number(zip, local, 4) != kLocalHeader ||
                size > kLargestEntry)
                return false;
            const std::size_t data =
                local + kLocalHeaderBytes + Number(zip, local + 26, 2) + Number(zip, local + 28, 2);
            if (data + packedSize > zip.size())
                return false;
            const std::string packed = zip.substr(data, packedSize);
            if (method == 0) {
                content = packed;
                return packed.size() == size;
            }
            return method == 8 && Inflate(packed, size, content);
        }
        p += kDirectoryEntryBytes + skip;
    }
    return false;
}

std::string XmlText(std::string text)
{
    static const std::pair<const char*, const char*> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : kEntities)
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::char_traits<char>::length(entity), character);
    return text;
}

} // namespace

bool ReadWorkbookSheetNames(const std::string& path, std::vector<std::string>& names)
{
    std::string zip;
    std::string workbook;
    if (!ReadFile(path, zip) || !ReadEntry(zip, kWorkbookEntry, workbook))
        return false;
    // <sheet name="AdjustData" sheetId="1" r:id="rId1"/>, with or without a namespace prefix.
    static const std::regex kSheet(R"re(<(?:\w+:)?sheet\s[^>]*?\bname\s*=\s*(?:"([^"]*)"|'([^']*)'))re");
    std::vector<std::string> found;
    for (std::sregex_iterator it(workbook.begin(), workbook.end(), kSheet), end; it != end; ++it)
        found.push_back(XmlText((*it)[1].matched ? (*it)[1].str() : (*it)[2].str()));
    if (found.empty())
        return false;
    names = found;
    return true;
}
