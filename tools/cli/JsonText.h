// JSON output of the command line: a text as a quoted JSON string.
#pragma once

#include <string>

// The text in double quotes with quotes, backslashes and control characters escaped (UTF-8 passes).
std::string JsonString(const std::string& text);
