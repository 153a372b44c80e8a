// What the model-information window shows about a code plug: serial number, hardware, MCU and PC
// software versions, the last programming time and the name of the data file last written.
#pragma once

#include <string>

#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"

// Shown as the file name when the code plug names none.
inline constexpr int kTextNoFileName = 90026;

// The six texts as the window shows them (UTF-8; bytes of the code plug above 0x7F are taken as
// Latin-1 characters so that every byte stays visible).
struct ModelInfoView {
    std::string serialNumber;
    std::string hardwareVersion;
    std::string mcuVersion;
    std::string pcVersion;
    std::string lastProgrammed; // "YYYY-MM-DD hh:mm:ss", empty when the radio holds no time
    std::string fileName;       // name + ".dat", or text 90026
};

// 14 hex digits of the BCD time at 0x0305 as "YYYY-MM-DD hh:mm:ss"; empty for all 0xFF (and for a
// field of the wrong length). The digits are shown as the radio stored them, unchecked.
std::string ProgramTimeText(const std::string& hex);

// The data-file name at 0x0310 (up to the first 0x00 or 0xFF) with ".dat", or text 90026 when empty.
std::string LastFileNameText(const CodePlug& image);

// The window's six texts: serial number, hardware, MCU and PC versions as ApplyBand (and, for the MCU
// version, the last read from a radio) left them in derived; time and file name from the image.
ModelInfoView DescribeModelInfo(const CodePlug& image, const ModelInfoTexts& derived);
