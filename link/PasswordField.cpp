// Encoding and decoding of the two password fields of the code plug.
#include "link/PasswordField.h"

#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "link/Protocol.h"

namespace {
constexpr const char* kNoPasswordField = "FFFFFFFFFFFFFFFFFFFF";
constexpr char kPadding = '*';
} // namespace

int PasswordAddress(PasswordKind kind)
{
    return kind == PasswordKind::Read ? Addr::kReadPassword : Addr::kWritePassword;
}

bool IsPasswordChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsPasswordText(const std::string& text)
{
    if (text.size() > static_cast<std::size_t>(kPasswordChars))
        return false;
    for (char c : text) {
        if (!IsPasswordChar(c))
            return false;
    }
    return true;
}

std::string EncodePassword(const std::string& text)
{
    if (!IsPasswordText(text))
        return {};
    if (text.empty())
        return kNoPasswordField;
    std::string padded = text;
    padded.resize(kPasswordChars, kPadding);
    return ScrambleCode(TextToHex(padded));
}

std::string DecodePassword(const std::string& fieldHex)
{
    const std::string field = ToUpperAscii(fieldHex);
    if (field == kNoPasswordField)
        return {};
    std::string text = HexToText(ScrambleCode(field));
    std::erase(text, kPadding);
    return text;
}

std::string ReadPassword(const CodePlug& image, PasswordKind kind)
{
    return DecodePassword(image.Read(PasswordAddress(kind), kPasswordChars));
}

bool IsPasswordSet(const CodePlug& image, PasswordKind kind) { return !ReadPassword(image, kind).empty(); }

bool WritePassword(CodePlug& image, PasswordKind kind, const std::string& text)
{
    const std::string field = EncodePassword(text);
    if (field.empty())
        return false;
    return image.WriteField(PasswordAddress(kind), kPasswordChars, field);
}
