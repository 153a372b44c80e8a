// system.ini access, application-directory paths and the marker files that switch service behaviour.
#pragma once

#include <string>

// Marker file names (relative to the application directory); only their presence counts.
inline constexpr const char* kMarkerLanguageMenu = "isdebugL.txt";
inline constexpr const char* kMarkerServiceUnlock = "pvkrwamt47.txt";
inline constexpr const char* kMarkerLowCtcss = "qwfobtlanz.txt";
inline constexpr const char* kMarkerCrossBandWrite = "rumelopa.txt";

// Full path of a file in the application directory.
std::string AppFilePath(const std::string& name);

// [section] key from system.ini in the application directory: at most 511 characters,
// empty when the file, the section or the key is missing.
std::string ReadSetting(const std::string& section, const std::string& key);

// Writes [section] key = value into system.ini, keeping every other line; true on success.
bool WriteSetting(const std::string& section, const std::string& key, const std::string& value);

// An on/off setting: on only when the value is "yes"; written as "yes" or "no".
bool ReadYesSetting(const std::string& section, const std::string& key);
bool WriteYesSetting(const std::string& section, const std::string& key, bool on);

// True when the file can be opened for reading.
bool FileExists(const std::string& path);

// True when the marker file lies in the application directory.
bool MarkerPresent(const char* name);
