// Shared pieces of the history tests: a history file in a fresh data folder, and rows to put in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "history/HistoryStore.h"
#include "tests/support/DataHome.h"

// A data folder of its own (XDG_DATA_HOME) and the history file's path in it.
struct HistoryHome {
    DataHome home;
    std::string Path() const { return HistoryStore::DefaultPath(); }
    std::string Bytes() const
    {
        std::ifstream in(Path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void Put(const std::string& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(Path()).parent_path());
        std::ofstream(Path(), std::ios::binary | std::ios::trunc) << bytes;
    }
};

// A band-33 code plug with a serial number and hardware version, as a radio holds them.
inline std::string PlugOfRadio(const std::string& serial, const std::string& hardware = "HW2.1")
{
    CodePlug plug(BuildBandImage("33"));
    plug.Write(Addr::kSerialNumber, TextToHex(serial) + std::string(30 - 2 * serial.size(), 'F'));
    plug.Write(Addr::kHardwareVersion, TextToHex(hardware) + std::string(16 - 2 * hardware.size(), 'F'));
    return plug.Text();
}

// Seconds since the epoch of a local date and hour.
inline std::time_t LocalTime(int year, int month, int day, int hour)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

// A row of an operation on a radio at a time, holding data.
inline HistoryRecord RowOf(HistoryOp op, std::time_t time, const std::string& serial, const std::string& data,
                           HistoryResult result = HistoryResult::Ok)
{
    HistoryRecord row;
    row.time = time;
    row.operation = op;
    row.port = "com1 (/dev/ttyUSB0)";
    row.model = "TQ951";
    row.band = "33";
    row.firmware = "1.05";
    row.serial = serial;
    row.hardware = serial.empty() ? "" : "HW2.1";
    row.result = result;
    row.message = "done";
    row.data = data;
    return row;
}
