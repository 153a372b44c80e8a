// Locale-independent number formatting and reading for the code-plug texts ("%9.5f", "%5.1f" and the like),
// so a desktop locale with a decimal comma never changes what is written into the image or shown.
#pragma once

#include <string>

// printf "%<width>.<precision>f": fixed notation, right-aligned with blanks to at least width characters.
std::string FormatFixed(double value, int precision, int width = 0);
// A value as people write a band limit: at most five decimals, trailing zeros dropped ("400", "433.5").
std::string FormatShortDecimal(double value);

// Decimal reading of the leading number of text as the C library does it (blanks, sign, digits, point,
// exponent); 0 when the text does not start with a number. Infinite or NaN readings give 0.
double ReadLeadingDecimal(const std::string& text);

// A text that is one decimal number and nothing else (blanks around it and a leading sign allowed, no
// exponent): "446.00625", "-0.6", "+5". False for anything else, value untouched.
bool ReadExactDecimal(const std::string& text, double& value);

// Decimal digits from the start of text; reading stops at the first non-digit (0 when there is none).
double ReadLeadingDigits(const std::string& text);
