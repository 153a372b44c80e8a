// Model-information texts of the code plug.
#include "codeplug/ModelInfo.h"

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"

namespace {

constexpr int kProgramTimeBytes = 7;
constexpr int kFileNameBytes = 32;

// Bytes of the radio's text fields as UTF-8: ASCII as it is, 0x80-0xFF as the Latin-1 characters.
std::string Latin1ToUtf8(const std::string& bytes)
{
    std::string out;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

std::string ProgramTimeText(const std::string& hex)
{
    const std::string d = ToUpperAscii(hex);
    if (d.size() != 2 * kProgramTimeBytes || d == std::string(2 * kProgramTimeBytes, 'F'))
        return {};
    return d.substr(0, 4) + "-" + d.substr(4, 2) + "-" + d.substr(6, 2) + " " + d.substr(8, 2) + ":" +
           d.substr(10, 2) + ":" + d.substr(12, 2);
}

std::string LastFileNameText(const CodePlug& image)
{
    const std::string name = HexToText(image.Read(Addr::kLastFileName, kFileNameBytes));
    if (name.empty())
        return GetLangText(kTextNoFileName);
    return Latin1ToUtf8(name) + ".dat";
}

ModelInfoView DescribeModelInfo(const CodePlug& image, const ModelInfoTexts& derived)
{
    ModelInfoView view;
    view.serialNumber = Latin1ToUtf8(derived.serialNumber);
    view.hardwareVersion = Latin1ToUtf8(derived.hardwareVersion);
    view.mcuVersion = Latin1ToUtf8(derived.mcuVersion);
    view.pcVersion = Latin1ToUtf8(derived.pcVersion);
    view.lastProgrammed = ProgramTimeText(image.Read(Addr::kProgramTime, kProgramTimeBytes));
    view.fileName = LastFileNameText(image);
    return view;
}
