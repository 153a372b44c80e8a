// Hex-text and bit helpers through which every field of the code-plug image is read and written.
// Pure functions; invalid input gives the empty text (or -1), never an exception.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

long HexToInt(const std::string& text);         // strtol base 16; 0 when nothing readable
std::string IntToHex(long long value, int n);   // exactly 2n upper-case digits, or empty
std::string HexToBits(const std::string& hex);  // 4 bits per digit; empty on a non-hex character
std::string BitsToHex(const std::string& bits); // left-padded to a multiple of 4; empty on bad bits
long BitsToInt(const std::string& bits);        // HexToInt(BitsToHex(bits))
int GetBit(const std::string& byteHex, int b);  // 0/1, -1 for anything but 2 hex digits and b in 0..7
std::string SetBit(const std::string& byteHex, int b, int v);
std::string GetBits(const std::string& hex, int start, int width);
std::string SetBits(const std::string& hex, int start, int width, const std::string& bits);
std::string HexToText(const std::string& hex);  // bytes as characters up to the first 00 or FF
std::string TextToHex(const std::string& text); // 2 digits per character; codes >= 0x80 dropped
std::string RepeatFill(const std::string& pattern, std::size_t length);
std::string SpliceHex(const std::string& text, std::size_t pos, std::size_t count, const std::string& insert);
std::string ReverseGroups(const std::string& text, int n);

bool IsHexText(const std::string& text);                        // non-empty, even length, only hex digits
std::string BytesToHex(const std::vector<std::uint8_t>& bytes); // "%02X" per byte
std::vector<std::uint8_t> HexToBytes(const std::string& hex);   // stops at the first pair that is not hex
std::string ToUpperAscii(std::string text);
std::string TrimBlanks(const std::string& text); // spaces, tabs, CR and LF at both ends
