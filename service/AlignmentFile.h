// Alignment data files (*.dts): a 64-character header (model name, model head, program version) and
// the 64-byte alignment block, all as upper-case hex text without line breaks.
#pragma once

#include <string>

inline constexpr const char* kAlignmentModelName = "MX5";
inline constexpr std::size_t kDtsHeaderChars = 64;

// "0" in front of a version text of at most 4 characters, then its first two and last two
// characters: "1.03" gives "0103".
std::string DtsVersionDigits(const std::string& version);

// "MX5" as hex padded with F to 32 characters, the model head padded with F to 16, the version
// digits of g_strVersion, twelve F's.
std::string DtsHeader();

// The whole file text for 128 hex characters of alignment data.
std::string BuildDtsText(const std::string& data);

// The alignment data of a file's text: the header is not looked at, but the file must be a header
// and exactly 128 hex digits (blanks and line ends around it are allowed). False for anything
// else, data untouched.
bool ParseDtsText(const std::string& text, std::string& data);

// Reads a .dts file, or the alignment block of a code-plug data file read from the radio (a backup
// made before a write holds the radio's block as it was): 0 and the data (upper case); 2011 for
// neither, 9642 for a code plug whose block is empty (all 0xFF: never read from a radio); data
// untouched on failure.
int LoadAlignmentFile(const std::string& path, std::string& data);
// Replaces the file as a whole with header and data: 0, or 2014 with an existing file unchanged.
int SaveAlignmentFile(const std::string& path, const std::string& data);
