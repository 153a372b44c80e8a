// Whole-file replacement through a temporary file beside the target and a rename over it; used for the
// settings file and the code-plug data files. On Linux the temporary file has no name until its content
// is complete and on disk, so a save that is killed leaves nothing behind; where that is not possible,
// leftovers of killed saves are removed by the next save of the same file.
#include "app/AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#ifdef __linux__
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char* kTempMark = ".tmp";

// A name beside the target that no other writer picks at the same time: NAME.tmp + hex digits.
fs::path TemporaryPathBeside(const fs::path& target)
{
    std::random_device rd;
    std::ostringstream name;
    name << target.string() << kTempMark << std::hex << rd() << rd();
    return fs::path(name.str());
}

// Whether name is NAME.tmp followed by hex digits only, as TemporaryPathBeside makes them.
bool IsTemporaryOf(const std::string& name, const std::string& targetName)
{
    const std::string prefix = targetName + kTempMark;
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// Temporary files that earlier saves of this target left when they were killed.
void RemoveLeftoverTemporaries(const fs::path& target)
{
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (IsTemporaryOf(it->path().filename().string(), name) && it->is_regular_file(fileEc))
            fs::remove(it->path(), fileEc);
    }
}

// The file a path names: links are followed to their end, also when the last one points at a file
// that does not exist yet (saving then creates it, and the link stays a link). Empty on a loop.
fs::path ResolveLinks(fs::path target)
{
    std::error_code ec;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        if (hops == 40)
            return fs::path();
        const fs::path pointee = fs::read_symlink(target, ec);
        if (ec)
            return fs::path();
        target = pointee.is_absolute() ? pointee : target.parent_path() / pointee;
    }
    return target;
}

bool WriteNamedFile(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

#ifdef __linux__

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the content into an unnamed file in the target's folder, flushed to disk, and gives it the
// name temp. 1: done; 0: failed; -1: the file system has no unnamed files (use a named one).
int WriteUnnamedThenLink(const fs::path& temp, const fs::path& folder, const std::string& bytes,
                         const fs::perms* keep)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? -1 : 0;
    bool ok = WriteAll(fd, bytes);
    if (ok && keep)
        ok = ::fchmod(fd, static_cast<mode_t>(*keep) & 07777) == 0;
    if (ok)
        ok = ::fsync(fd) == 0;
    if (ok) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        ok = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
    }
    ::close(fd);
    return ok ? 1 : 0;
}

void SyncFile(const fs::path& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

#endif

// The complete content under the temporary name temp, with the old file's permissions when given.
bool WriteTemporary(const fs::path& temp, const fs::path& folder, const std::string& bytes,
                    const fs::perms* keep)
{
#ifdef __linux__
    const int unnamed = WriteUnnamedThenLink(temp, folder, bytes, keep);
    if (unnamed >= 0)
        return unnamed == 1;
#else
    (void)folder;
#endif
    if (!WriteNamedFile(temp, bytes))
        return false;
    std::error_code ec;
    if (keep)
        fs::permissions(temp, *keep, fs::perm_options::replace, ec);
#ifdef __linux__
    SyncFile(temp, O_RDONLY);
#endif
    return true;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    if (path.empty())
        return false;
    std::error_code ec;
    // Writing through a link must replace the file it points to, not the link.
    const fs::path target = ResolveLinks(fs::path(path));
    if (target.empty())
        return false;
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
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        return false;

    RemoveLeftoverTemporaries(target);
    const fs::path temp = TemporaryPathBeside(target);
    const fs::perms perms = old.permissions();
    if (!WriteTemporary(temp, folder, bytes, exists ? &perms : nullptr)) {
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
#ifdef __linux__
    SyncFile(folder, O_RDONLY | O_DIRECTORY); // the new name itself on disk
#endif
    return true;
}
