// The radio's read and write passwords: two 10-byte fields of the code plug (0x034C and 0x0356),
// each the password padded with "*" to 10 characters and scrambled; ten 0xFF bytes mean "none".
#pragma once

#include <string>

#include "codeplug/CodePlug.h"

inline constexpr int kPasswordChars = 10;
// Shown when a password holds anything but ASCII letters and digits, or more than 10 of them.
inline constexpr int kTextBadPassword = 9703;

enum class PasswordKind { Read, Write };

int PasswordAddress(PasswordKind kind); // 0x034C or 0x0356

// ASCII letters and digits only: the radio's keypad and the "*" padding leave no room for more.
bool IsPasswordChar(char c);
// 0 to 10 password characters (the empty text means "no password").
bool IsPasswordText(const std::string& text);

// 20 hex digits of the field: ten 0xFF for the empty text, otherwise the text padded with "*" and
// scrambled. Empty for a text that IsPasswordText refuses.
std::string EncodePassword(const std::string& text);
// The password a field holds: empty for ten 0xFF; otherwise the unscrambled bytes up to the first
// 0x00 or 0xFF with every "*" removed. A field that was not written by EncodePassword (the bytes are
// shared with the custom band record) may decode to any bytes; they are returned as they are.
std::string DecodePassword(const std::string& fieldHex);

std::string ReadPassword(const CodePlug& image, PasswordKind kind);
// True when the field decodes to a non-empty password (the password window then ticks its box).
bool IsPasswordSet(const CodePlug& image, PasswordKind kind);
// Writes the encoded field; false (image unchanged) for a text that IsPasswordText refuses.
bool WritePassword(CodePlug& image, PasswordKind kind, const std::string& text);
