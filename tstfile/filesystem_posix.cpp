// The file helpers on POSIX systems.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "text/utilita.h"
#include "tstfile/filesystem.h"

namespace quadrivo {

namespace {

bool Usable(const CStringa& name)
{
    return name.IsOk() && name.Length() > 0;
}

// The user's umask takes its bits off, as for any file a program creates:
// 0664 under the usual 002, 0600 under 077.
constexpr mode_t kNewFileMode = 0666;

bool WriteAll(int fd, std::string_view content)
{
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Writes content, pushes it to the disk and closes fd, which is closed in
// every case. A device error may surface only at fsync or close, so both
// count.
bool WriteSyncClose(int fd, const std::string& content)
{
    const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

// The rename is durable only once the directory itself is on disk; a failure
// here loses nothing, so it is not reported.
void SyncDirectory(const std::string& dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

ReplaceResult MoveIntoPlace(const std::string& from, const std::string& to, bool replaceExisting)
{
    if (replaceExisting)
        return std::rename(from.c_str(), to.c_str()) == 0 ? ReplaceResult::Written : ReplaceResult::Failed;
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return ReplaceResult::Written;
    if (errno == EEXIST) return ReplaceResult::TargetExists;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return ReplaceResult::Failed;
#endif
    // A file system without an exclusive rename: check, then rename.
    struct stat info;
    if (::lstat(to.c_str(), &info) == 0) return ReplaceResult::TargetExists;
    return std::rename(from.c_str(), to.c_str()) == 0 ? ReplaceResult::Written : ReplaceResult::Failed;
}

// Creates a new hidden file beside path, named after it, with the mode of a
// new file; its descriptor, or -1. The name part is cut short to keep
// within the name length limit.
int CreateTempBeside(const std::string& dir, const std::string& path, std::string& temp)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static unsigned long long counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long long seed = (static_cast<unsigned long long>(::getpid()) << 32) ^ ++counter ^
                                  static_cast<unsigned long long>(Random(0, 1 << 30));
        std::string suffix;
        for (int i = 0; i < 6; ++i, seed /= 36) suffix += kLetters[seed % 36];
        temp = dir + "." + path.substr(dir.size(), 64) + "-" + suffix;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

int CurrentProcessId()
{
    return static_cast<int>(::getpid());
}

bool PathExists(const CStringa& name)
{
    struct stat info;
    return Usable(name) && ::lstat(name.CStr(), &info) == 0;
}

bool CreateExclusive(const CStringa& name, const std::string& content)
{
    if (!Usable(name)) return false;
    const int fd = ::open(name.CStr(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0) return false;
    if (WriteSyncClose(fd, content)) return true;
    // A lock file with half a stamp would look like another run's lock.
    ::unlink(name.CStr());
    return false;
}

bool AppendToFile(const CStringa& name, const std::string& content)
{
    if (!Usable(name)) return false;
    const int fd = ::open(name.CStr(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, kNewFileMode);
    if (fd < 0) return false;
    struct stat before;
    const bool sized = ::fstat(fd, &before) == 0;
    const bool written = WriteAll(fd, content) && ::fsync(fd) == 0;
    if (!written && sized) {
        // Readers of the student file would stop at a half record, and every
        // record after it would be lost to them.
        [[maybe_unused]] const int cut = ::ftruncate(fd, before.st_size);
    }
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

bool WriteWholeFile(const CStringa& name, const std::string& content)
{
    if (!Usable(name)) return false;
    const int fd = ::open(name.CStr(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode);
    if (fd < 0) return false;
    return WriteSyncClose(fd, content);
}

struct FileReplacement::Temporary {
    std::string path;  // the file replaced, links followed
    std::string dir;   // its directory, with the separator; empty for the current one
    std::string name;  // the temporary file's
    int fd = -1;
    bool replaceExisting = false;
    off_t written = 0;
    bool failed = false;
};

FileReplacement::FileReplacement(const CStringa& target, bool replaceExisting)
{
    if (!Usable(target)) return;
    std::string path = target.CStr();
    struct stat info;
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        // Writing in place went through a link; replacing the link itself
        // would cut it off from the file it names.
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
    }
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists) {
        if (!replaceExisting) {
            result_ = ReplaceResult::TargetExists;
            return;
        }
        // A file the user has made read-only is not to be saved over.
        if (!S_ISREG(info.st_mode) || ::access(path.c_str(), W_OK) != 0) return;
    }

    // The new text goes to a hidden file in the target's own directory, so
    // that the rename stays on one file system and swaps the files in one
    // step. A replaced file keeps its own mode.
    auto temporary = std::make_unique<Temporary>();
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos) temporary->dir = path.substr(0, slash + 1);
    temporary->fd = CreateTempBeside(temporary->dir, path, temporary->name);
    if (temporary->fd < 0) return;
    if (exists) ::fchmod(temporary->fd, info.st_mode & 0777);
    temporary->path = std::move(path);
    temporary->replaceExisting = replaceExisting;
    temporary_ = std::move(temporary);
}

FileReplacement::~FileReplacement()
{
    if (!temporary_) return;
    ::close(temporary_->fd);
    ::unlink(temporary_->name.c_str());
}

bool FileReplacement::Write(std::string_view piece)
{
    if (!temporary_ || temporary_->failed) return false;
    Temporary& t = *temporary_;
    if (!WriteAll(t.fd, piece)) {
        t.failed = true;
        return false;
    }
#ifdef SYNC_FILE_RANGE_WRITE
    // The disk starts on this piece now, without waiting for it; the flush
    // in Finish waits only for what is still on its way.
    ::sync_file_range(t.fd, t.written, static_cast<off_t>(piece.size()), SYNC_FILE_RANGE_WRITE);
#endif
    t.written += static_cast<off_t>(piece.size());
    return true;
}

ReplaceResult FileReplacement::Finish()
{
    if (!temporary_) return result_;
    const std::unique_ptr<Temporary> t = std::move(temporary_);
    // A device error may surface only at fsync or close, so both count.
    const bool synced = !t->failed && ::fsync(t->fd) == 0;
    const bool closed = ::close(t->fd) == 0;
    result_ = synced && closed ? MoveIntoPlace(t->name, t->path, t->replaceExisting) : ReplaceResult::Failed;
    if (result_ == ReplaceResult::Written)
        SyncDirectory(t->dir);
    else
        ::unlink(t->name.c_str());
    return result_;
}

ReplaceResult ReplaceFile(const CStringa& target, std::string_view content, bool replaceExisting)
{
    FileReplacement replacement(target, replaceExisting);
    replacement.Write(content);
    return replacement.Finish();
}

}  // namespace quadrivo
