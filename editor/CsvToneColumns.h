// The tone columns of the channel-list layout (Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
// RxDtcsCode, CrossMode) for a channel's decode and encode tones, in both directions.
#pragma once

#include <string>

#include "editor/ChannelCsv.h"
#include "editor/ChannelRules.h"

// The tone columns of one row. Unused columns hold the layout's defaults: they mean nothing unless
// the Tone column (and for "Cross" the CrossMode column) says so.
struct CsvToneFields {
    std::string tone;
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN";
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

// Columns for the decode and encode tone fields of a record (4 hex digits each, stored byte order);
// a channel that does not transmit is given "FFFF" as its encode field by the caller.
CsvToneFields ToneColumnsOf(const std::string& decodeField, const std::string& encodeField);

// The tone texts a row asks for (tones outside the lists refused or corrected by the rules), as the channel
// editor's lists hold them ("67.0", "D023N"), empty for no tone. False, with error's text number, column and
// value set, when a column used cannot be read.
struct CsvToneTexts {
    std::string decode;
    std::string encode;
};
bool ReadToneColumns(const CsvToneFields& fields, const ToneRules& rules, CsvToneTexts& out,
                     CsvRowError& error);
