// Replacing a file as a whole: the new content goes to a temporary file beside the target, which is then
// renamed over it, so a failed write never leaves a damaged or half-written file behind.
#pragma once

#include <string>

// Writes bytes to path. Refuses (false, nothing changed) an empty path, a directory, a missing folder and
// an existing file that may not be written. A link is followed: the file it points to is replaced and the
// link stays. A replaced file keeps its permissions.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
