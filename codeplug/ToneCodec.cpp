// CTCSS/DCS tone fields of the channel record, the tone lists of the drop-downs and the typed-tone rule.
// A tone field is a 16-bit word stored low byte first: CTCSS in tenths of Hz, DCS as octal code + polarity.
#include "codeplug/ToneCodec.h"

#include <cmath>

#include "app/AppState.h"
#include "app/LangText.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/NumberText.h"

namespace {

constexpr int kNoToneText = 90020;

// Model code whose drop-downs hold only the list chosen by their kind.
constexpr const char* kExtendedToneModel = "vpxgk";

std::string SwapBytes(const std::string& fourDigits)
{
    if (fourDigits.size() != 4)
        return {};
    return fourDigits.substr(2, 2) + fourDigits.substr(0, 2);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int FindExact(const std::vector<std::string>& entries, const std::string& text)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::string EncodeTone(const std::string& text)
{
    const std::string t = TrimBlanks(text);
    if (t.empty() || t == GetLangText(kNoToneText))
        return "FFFF";
    const double v = LeadingNumber(t);
    if (v > 0) {
        // CTCSS in tenths of Hz. A word of 0x1000 or more would read back as a DCS code, so refuse it.
        const double w = std::trunc(v * 10.0);
        if (w >= 0x1000)
            return "FFFF";
        return SwapBytes(IntToHex(static_cast<long long>(w), 2));
    }
    // DCS: "D" and three octal digits, optionally followed by the polarity "N" or "I".
    if (t.size() < 4)
        return "FFFF";
    std::string bits = (t.back() == 'I') ? "1010" : "0010";
    bits += "100";
    for (std::size_t i = 1; i <= 3; ++i) {
        const std::string nibble = HexToBits(t.substr(i, 1));
        if (nibble.empty())
            return "FFFF";
        bits += nibble.substr(1);
    }
    return SwapBytes(BitsToHex(bits));
}

std::string DecodeTone(const std::string& hex)
{
    const std::string field = ToUpperAscii(TrimBlanks(hex));
    if (field.size() != 4 || !IsHexText(field))
        return GetLangText(kNoToneText);
    const std::string w = SwapBytes(field);
    if (w == "FFFF")
        return GetLangText(kNoToneText);
    const long n = BitsToInt(GetBits(w.substr(0, 2), 4, 4));
    const long value = HexToInt(w);
    if (n == 0)
        return TrimBlanks(FormatFixed(static_cast<double>(value) * 0.1, 1, 5));
    std::string code = "D";
    code += static_cast<char>('0' + ((value >> 6) & 7));
    code += static_cast<char>('0' + ((value >> 3) & 7));
    code += static_cast<char>('0' + (value & 7));
    code += (n == 2) ? "N" : "I";
    return code;
}

const std::vector<std::string>& CtcssTones()
{
    static const std::vector<std::string> tones = {
        "67.0",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",
        "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8",
        "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
        "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};
    return tones;
}

const std::vector<std::string>& DcsCodes()
{
    static const std::vector<std::string> codes = {
        "D023", "D025", "D026", "D031", "D032", "D043", "D047", "D051", "D054", "D065", "D071", "D072",
        "D073", "D074", "D114", "D115", "D116", "D125", "D131", "D132", "D134", "D143", "D152", "D155",
        "D156", "D162", "D165", "D172", "D174", "D205", "D223", "D226", "D243", "D244", "D245", "D251",
        "D261", "D263", "D265", "D271", "D306", "D311", "D315", "D331", "D343", "D346", "D351", "D364",
        "D365", "D371", "D411", "D412", "D413", "D423", "D431", "D432", "D445", "D464", "D465", "D466",
        "D503", "D506", "D516", "D532", "D546", "D565", "D606", "D612", "D624", "D627", "D631", "D632",
        "D654", "D662", "D664", "D703", "D712", "D723", "D731", "D732", "D734", "D743", "D754"};
    return codes;
}

bool IsExtensionTone(const std::string& text)
{
    static const std::vector<std::string> ctcss = {"69.3",  "159.8", "183.5", "189.9", "196.6",
                                                   "199.5", "206.5", "229.1", "254.1"};
    static const std::vector<std::string> dcs = {"D053", "D122", "D036", "D145", "D212", "D225", "D246",
                                                 "D252", "D255", "D266", "D274", "D325", "D332", "D356",
                                                 "D446", "D452", "D454", "D455", "D462", "D523", "D526"};
    if (FindExact(ctcss, text) >= 0)
        return true;
    if (text.size() == 5 && (text.back() == 'N' || text.back() == 'I'))
        return FindExact(dcs, text.substr(0, 4)) >= 0;
    return false;
}

bool IsListedTone(const std::string& text)
{
    if (FindExact(CtcssTones(), text) >= 0)
        return true;
    return text.size() == 5 && (text.back() == 'N' || text.back() == 'I') &&
           FindExact(DcsCodes(), text.substr(0, 4)) >= 0;
}

std::vector<std::string> BuildToneList(int kind)
{
    const bool onlyOne = g_strModel == kExtendedToneModel;
    std::vector<std::string> list;
    list.reserve(1 + CtcssTones().size() + 2 * DcsCodes().size());
    list.push_back(GetLangText(kNoToneText));
    if (!onlyOne || kind == 0)
        list.insert(list.end(), CtcssTones().begin(), CtcssTones().end());
    if (!onlyOne || kind == 1)
        for (const std::string& code : DcsCodes())
            list.push_back(code + "N");
    if (!onlyOne || kind == 3)
        for (const std::string& code : DcsCodes())
            list.push_back(code + "I");
    return list;
}

int FindTonePrefix(const std::vector<std::string>& entries, const std::string& text)
{
    const std::string wanted = ToUpperAscii(text);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string entry = ToUpperAscii(entries[i]);
        if (entry.compare(0, wanted.size(), wanted) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::string NormalizeIllegalToneText(const std::string& typed, bool lowCtcss50)
{
    const std::string noTone = GetLangText(kNoToneText);
    if (typed == noTone)
        return typed;
    const std::string text = ToUpperAscii(TrimBlanks(typed));
    // A cleared field means no tone; there is no character to take a suffix or a kind from.
    if (text.empty())
        return noTone;

    if (text[0] == 'D') {
        // "D" + up to three octal digits + an optional polarity letter; the letter and the digits are
        // kept as characters, each digit clamped into 0 ... 7, missing leading digits are zeros.
        const bool lettered = !IsDigit(text.back());
        char polarity = lettered ? text.back() : 'N';
        if (polarity != 'N' && polarity != 'I')
            polarity = 'N';
        const std::size_t bodyEnd = lettered ? text.size() - 1 : text.size();
        const std::string body = bodyEnd > 1 ? text.substr(1, bodyEnd - 1) : std::string();
        char digits[4] = {'0', '0', '0', '\0'};
        if (LeadingNumber(body) != 0) {
            const std::size_t n = body.size() < 3 ? body.size() : 3;
            for (std::size_t i = 0; i < n; ++i) {
                const char c = body[i];
                digits[3 - n + i] = c < '0' ? '0' : (c > '7' ? '7' : c);
            }
        }
        return std::string("D") + digits + polarity;
    }

    const double limit = lowCtcss50 ? 50.0 : 67.0;
    const double t = std::trunc(LeadingNumber(text) * 10.0);
    if (t < limit * 10.0)
        return lowCtcss50 ? "50.0" : "67.0";
    if (t < 2542)
        return FormatFixed(t * 0.1, 1, 4);
    return "254.1";
}

ToneTextResult NormalizeToneText(const std::string& typed, const std::vector<std::string>& entries,
                                 bool allowIllegal, bool lowCtcss50)
{
    if (!allowIllegal) {
        int index = FindTonePrefix(entries, typed);
        if (index < 0)
            index = entries.empty() ? -1 : 0;
        return {index, index >= 0 ? entries[static_cast<std::size_t>(index)] : typed};
    }
    const std::string text = NormalizeIllegalToneText(typed, lowCtcss50);
    return {FindExact(entries, text), text};
}
