// Replacing a file as a whole: the new content goes to a temporary file beside the target, which is then
// renamed over it, so a failed or killed write never leaves a damaged or half-written file behind, nor a
// temporary file once the next save of the same file has run.
#pragma once

#include <string>

// Writes bytes to path. Refuses (false, nothing changed) an empty path, a directory, a missing folder and
// an existing file that may not be written. A link is followed: the file it points to is replaced (or
// created, when the link dangles) and the link stays. A replaced file keeps its permissions.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
