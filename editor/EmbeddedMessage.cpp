// Reading and writing the embedded-message lines of the code plug.
#include "editor/EmbeddedMessage.h"

#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"

namespace {
int LineAddress(int line) { return line == 2 ? Addr::kEmbeddedLine2 : Addr::kEmbeddedLine1; }
} // namespace

std::string ReadEmbeddedLine(const CodePlug& image, int line)
{
    return HexToText(image.Read(LineAddress(line), kEmbeddedLineChars));
}

std::string EncodeEmbeddedLine(const std::string& text)
{
    constexpr std::size_t kFieldChars = 2 * kEmbeddedLineChars;
    std::string hex = TextToHex(text);
    // A byte 00 would end the line early when read back, so control character 0 is not stored.
    std::string kept;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        if (hex.compare(i, 2, "00") != 0) {
            kept += hex.substr(i, 2);
        }
    }
    kept.resize(kFieldChars, 'F');
    return kept;
}

void WriteEmbeddedMessage(CodePlug& image, const std::string& line1, const std::string& line2)
{
    // OK is the window's only button: a line left as it was shown keeps its bytes, including
    // those after its end byte (the version and programming-record fields share line 1's bytes).
    if (line1 != ReadEmbeddedLine(image, 1))
        image.Write(Addr::kEmbeddedLine1, EncodeEmbeddedLine(line1));
    if (line2 != ReadEmbeddedLine(image, 2))
        image.Write(Addr::kEmbeddedLine2, EncodeEmbeddedLine(line2));
}
