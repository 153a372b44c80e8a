// The two 32-character lines of the embedded message at 0x0300 and 0x0320.
#pragma once

#include <string>

#include "codeplug/CodePlug.h"

inline constexpr int kEmbeddedLineChars = 32;

// The text of line 1 or 2: its bytes up to the first 0x00 or 0xFF.
std::string ReadEmbeddedLine(const CodePlug& image, int line);
// 64 hex characters for a line: one byte per plain-ASCII character (others dropped), cut to
// 32 characters, the rest of the field 0xFF.
std::string EncodeEmbeddedLine(const std::string& text);
// Replaces both lines in the image; a line equal to what the image shows is left untouched.
void WriteEmbeddedMessage(CodePlug& image, const std::string& line1, const std::string& line2);
