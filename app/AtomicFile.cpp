// Whole-file replacement through a temporary file beside the target and a rename over it; used for the
// settings file and the code-plug data files.
#include "app/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A name beside the target that no other writer picks at the same time.
fs::path TemporaryPathBeside(const fs::path& target)
{
    std::random_device rd;
    std::ostringstream name;
    name << target.string() << ".tmp" << std::hex << rd() << rd();
    return fs::path(name.str());
}

bool WriteNewFile(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    if (path.empty())
        return false;
    std::error_code ec;
    fs::path target(path);
    // Writing through a link must replace the file it points to, not the link.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec)
            return false;
        target = resolved;
    }
    const fs::file_status old = fs::status(target, ec);
    const bool exists = !ec && fs::exists(old);
    if (exists && !fs::is_regular_file(old))
        return false;
    // A file the user may not write stays as it is, as if it were rewritten in place.
    if (exists) {
        std::ofstream probe(target, std::ios::binary | std::ios::app);
        if (!probe)
            return false;
    }

    const fs::path temp = TemporaryPathBeside(target);
    if (!WriteNewFile(temp, bytes)) {
        fs::remove(temp, ec);
        return false;
    }
    if (exists)
        fs::permissions(temp, old.permissions(), fs::perm_options::replace, ec);
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}
