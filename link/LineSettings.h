// The line settings text of a radio window ("9600,n,8,2") taken apart.
#pragma once

#include <string>

struct LineSettings {
    int baud = 9600;
    char parity = 'n'; // n, e, o, m, s
    int dataBits = 8;
    int stopBits = 1;

    // Parses "baud,parity,data,stop"; false (and the defaults above) on anything else.
    static bool Parse(const std::string& text, LineSettings& out);
};
