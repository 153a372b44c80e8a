// Code-plug data files (*.dat): the image file (2048 hex characters) and the frame-stream form.
#pragma once

#include <string>

inline constexpr const char* kFrameStreamIdentityHex = "427269766F6E65787573"; // "Brivonexus"

// Image built from a frame-stream file given as hex text; empty when a frame is malformed.
std::string DecodeDataFile(const std::string& hex);
// Loads a data file of either form. 0 and the image text on success; 2011 (unreadable or not an image)
// or 2015 (malformed frame stream) otherwise, with image untouched.
int LoadDataFile(const std::string& path, std::string& image);
// Reads a regular file of at most 1 MB (no data or channel-list file comes near that); false when it
// is missing, not a regular file, too large or unreadable, with bytes untouched.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes the text to path through a temporary file renamed over it; false on any failure,
// leaving an existing file as it was.
bool SaveTextFileAtomic(const std::string& path, const std::string& text);
