// Comma- and tab-separated text: a small reader for hand-written and spreadsheet files and the
// matching writer.
#include "editor/CsvText.h"

namespace {

constexpr const char* kUtf8Bom = "\xEF\xBB\xBF";

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Moves past one line end (CRLF, LF or CR) at pos and counts the line.
void SkipLineEnd(const std::string& text, std::size_t& pos, int& line)
{
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        ++pos;
    ++pos;
    ++line;
}

// Skips the rest of a line, its line end included.
void SkipLine(const std::string& text, std::size_t& pos, int& line)
{
    while (pos < text.size() && !IsLineEnd(text[pos]))
        ++pos;
    if (pos < text.size())
        SkipLineEnd(text, pos, line);
}

// Reads one quoted field starting after its opening quote; pos ends after the closing quote.
std::string ReadQuoted(const std::string& text, std::size_t& pos, int& line)
{
    std::string field;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '"') {
            if (pos + 1 < text.size() && text[pos + 1] == '"') {
                field += '"';
                pos += 2;
                continue;
            }
            ++pos;
            return field;
        }
        if (c == '\r' || c == '\n') {
            // A line end inside quotes belongs to the field; it is kept as a plain LF.
            SkipLineEnd(text, pos, line);
            field += '\n';
            continue;
        }
        field += c;
        ++pos;
    }
    return field; // a quote left open runs to the end of the text
}

} // namespace

std::vector<CsvRecord> ParseCsv(const std::string& text, char separator)
{
    std::vector<CsvRecord> records;
    std::size_t pos = text.rfind(kUtf8Bom, 0) == 0 ? 3 : 0;
    int line = 1;
    while (pos < text.size()) {
        if (IsLineEnd(text[pos])) {
            SkipLineEnd(text, pos, line);
            continue;
        }
        if (text[pos] == '#') {
            SkipLine(text, pos, line);
            continue;
        }
        CsvRecord record;
        record.line = line;
        std::string field;
        bool quoted = false;
        while (true) {
            if (pos < text.size() && text[pos] == '"' && field.empty() && !quoted) {
                ++pos;
                field = ReadQuoted(text, pos, line);
                quoted = true;
                continue;
            }
            if (pos >= text.size() || IsLineEnd(text[pos])) {
                record.fields.push_back(field);
                if (pos < text.size())
                    SkipLineEnd(text, pos, line);
                break;
            }
            if (text[pos] == separator) {
                record.fields.push_back(field);
                field.clear();
                quoted = false;
                ++pos;
                continue;
            }
            field += text[pos++];
        }
        records.push_back(std::move(record));
    }
    return records;
}

char DetectCsvSeparator(const std::string& text)
{
    const std::vector<CsvRecord> comma = ParseCsv(text, ',');
    if (comma.empty())
        return ',';
    for (const std::string& field : comma.front().fields)
        if (field.find('\t') != std::string::npos)
            return '\t';
    return ',';
}

std::string CsvLine(const std::vector<std::string>& fields, char separator)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const std::string& f = fields[i];
        if (f.find_first_of(std::string(1, separator) + "\"\r\n") == std::string::npos) {
            line += f;
            continue;
        }
        line += '"';
        for (char c : f) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}
