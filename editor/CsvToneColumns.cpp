// Decode and encode tones of a channel in the layout's tone columns. The layout names the transmit
// side first: "Tone" sends a CTCSS tone only, "TSQL" sends and requires the same tone, "DTCS" the same
// DCS code both ways, and "Cross" any other pair as CrossMode spells it ("Tone->DTCS": CTCSS sent,
// DCS required).
#include "editor/CsvToneColumns.h"

#include "codeplug/HexText.h"
#include "codeplug/NumberText.h"
#include "codeplug/ToneCodec.h"

namespace {

constexpr int kTextCannotUse = 9585;     // "%1 "%2" cannot be used"
constexpr int kTextToneNotListed = 9586; // "tone %1 is not in the radio's tone lists"

enum class ToneKind { None, Ctcss, Dcs };

struct Tone {
    ToneKind kind = ToneKind::None;
    std::string ctcss;   // "88.5"
    std::string code;    // three octal digits
    char polarity = 'N'; // N normal, R inverted
};

Tone ToneOfField(const std::string& field)
{
    Tone t;
    if (ToUpperAscii(field) == "FFFF")
        return t;
    const std::string text = DecodeTone(field); // "67.0", "D023N" or "D023I"
    if (!text.empty() && text[0] == 'D') {
        t.kind = ToneKind::Dcs;
        t.code = text.substr(1, 3);
        t.polarity = text.back() == 'I' ? 'R' : 'N';
    } else {
        t.kind = ToneKind::Ctcss;
        t.ctcss = text;
    }
    return t;
}

bool SameTone(const Tone& a, const Tone& b)
{
    if (a.kind != b.kind)
        return false;
    if (a.kind == ToneKind::Ctcss)
        return a.ctcss == b.ctcss;
    return a.kind == ToneKind::None || (a.code == b.code && a.polarity == b.polarity);
}

const char* SideName(ToneKind kind)
{
    return kind == ToneKind::Ctcss ? "Tone" : kind == ToneKind::Dcs ? "DTCS" : "";
}

bool Fail(CsvRowError& error, int textNumber, const std::string& column, const std::string& value)
{
    error.textNumber = textNumber;
    error.column = column;
    error.value = value;
    return false;
}

bool IsListed(const std::string& text)
{
    // The channel editor's lists for this model code (both tone lists are filled alike).
    const std::vector<std::string> list = BuildToneList(0);
    for (const std::string& entry : list)
        if (entry == text)
            return true;
    return false;
}

// A tone text in the list, or corrected as a typed one when illegal tones are allowed.
bool CheckListed(const std::string& text, const ToneRules& rules, std::string& out, CsvRowError& error)
{
    if (IsListed(text)) {
        out = text;
        return true;
    }
    if (!rules.allowIllegal)
        return Fail(error, kTextToneNotListed, "", text);
    out = NormalizeIllegalToneText(text, rules.lowCtcss50);
    return true;
}

bool ReadCtcss(const std::string& column, const std::string& value, const ToneRules& rules, std::string& out,
               CsvRowError& error)
{
    double hz = 0.0;
    if (!ReadExactDecimal(value, hz) || !(hz > 0.0))
        return Fail(error, kTextCannotUse, column, value);
    return CheckListed(TrimBlanks(FormatFixed(hz, 1)), rules, out, error);
}

bool ReadDcs(const std::string& column, const std::string& code, char polarity, const ToneRules& rules,
             std::string& out, CsvRowError& error)
{
    if (code.empty() || code.size() > 3 || code.find_first_not_of("0123456789") != std::string::npos)
        return Fail(error, kTextCannotUse, column, code);
    const std::string digits = std::string(3 - code.size(), '0') + code;
    return CheckListed("D" + digits + (polarity == 'R' ? "I" : "N"), rules, out, error);
}

} // namespace

CsvToneFields ToneColumnsOf(const std::string& decodeField, const std::string& encodeField)
{
    const Tone rx = ToneOfField(decodeField);
    const Tone tx = ToneOfField(encodeField);
    CsvToneFields f;
    if (rx.kind == ToneKind::None && tx.kind == ToneKind::None)
        return f;
    if (rx.kind == ToneKind::None && tx.kind == ToneKind::Ctcss) {
        f.tone = "Tone";
        f.rToneFreq = tx.ctcss;
        return f;
    }
    if (SameTone(rx, tx)) {
        if (tx.kind == ToneKind::Ctcss) {
            f.tone = "TSQL";
            f.cToneFreq = tx.ctcss;
        } else {
            f.tone = "DTCS";
            f.dtcsCode = tx.code;
            f.dtcsPolarity = std::string{tx.polarity, rx.polarity};
        }
        return f;
    }
    f.tone = "Cross";
    f.crossMode = std::string(SideName(tx.kind)) + "->" + SideName(rx.kind);
    char txPolarity = 'N';
    char rxPolarity = 'N';
    if (tx.kind == ToneKind::Ctcss)
        f.rToneFreq = tx.ctcss;
    if (tx.kind == ToneKind::Dcs) {
        f.dtcsCode = tx.code;
        txPolarity = tx.polarity;
    }
    if (rx.kind == ToneKind::Ctcss)
        f.cToneFreq = rx.ctcss;
    if (rx.kind == ToneKind::Dcs) {
        f.rxDtcsCode = rx.code;
        rxPolarity = rx.polarity;
    }
    f.dtcsPolarity = std::string{txPolarity, rxPolarity};
    return f;
}

bool ReadToneColumns(const CsvToneFields& fields, const ToneRules& rules, CsvToneTexts& out,
                     CsvRowError& error)
{
    out = {};
    const std::string mode = ToUpperAscii(fields.tone);
    std::string txSide;
    std::string rxSide;
    if (mode.empty())
        return true;
    if (mode == "TONE") {
        txSide = "TONE";
    } else if (mode == "TSQL") {
        // The same CTCSS tone both ways is the cToneFreq column.
        return ReadCtcss("cToneFreq", fields.cToneFreq, rules, out.encode, error) &&
               ReadCtcss("cToneFreq", fields.cToneFreq, rules, out.decode, error);
    } else if (mode == "DTCS") {
        txSide = rxSide = "DTCS";
    } else if (mode == "CROSS") {
        const std::string cross = ToUpperAscii(fields.crossMode);
        const std::size_t arrow = cross.find("->");
        if (arrow == std::string::npos)
            return Fail(error, kTextCannotUse, "CrossMode", fields.crossMode);
        txSide = cross.substr(0, arrow);
        rxSide = cross.substr(arrow + 2);
        for (const std::string& side : {txSide, rxSide})
            if (!side.empty() && side != "TONE" && side != "DTCS")
                return Fail(error, kTextCannotUse, "CrossMode", fields.crossMode);
        if (txSide.empty() && rxSide.empty())
            return Fail(error, kTextCannotUse, "CrossMode", fields.crossMode);
    } else {
        // Reverse squelch modes ("TSQL-R", "DTCS-R") and anything else the radio cannot do.
        return Fail(error, kTextCannotUse, "Tone", fields.tone);
    }

    const std::string polarity = ToUpperAscii(fields.dtcsPolarity);
    if ((txSide == "DTCS" || rxSide == "DTCS") &&
        (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos))
        return Fail(error, kTextCannotUse, "DtcsPolarity", fields.dtcsPolarity);

    if (txSide == "TONE" && !ReadCtcss("rToneFreq", fields.rToneFreq, rules, out.encode, error))
        return false;
    if (txSide == "DTCS" && !ReadDcs("DtcsCode", fields.dtcsCode, polarity[0], rules, out.encode, error))
        return false;
    if (rxSide == "TONE" && !ReadCtcss("cToneFreq", fields.cToneFreq, rules, out.decode, error))
        return false;
    // DTCS uses one code both ways; in cross mode the receive code is RxDtcsCode.
    const bool crossCode = mode == "CROSS";
    if (rxSide == "DTCS" &&
        !ReadDcs(crossCode ? "RxDtcsCode" : "DtcsCode", crossCode ? fields.rxDtcsCode : fields.dtcsCode,
                 polarity[1], rules, out.decode, error))
        return false;
    return true;
}
