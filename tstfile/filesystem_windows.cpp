// The file helpers on Windows, through the ANSI ("A") calls: file names are
// in the system's ANSI code page, as everywhere in the library.

#include <windows.h>

// <windows.h> names the system's own ReplaceFileA so; ours is another.
#undef ReplaceFile

#include <cerrno>
#include <string>

#include "text/utilita.h"
#include "tstfile/filesystem.h"

namespace quadrivo {

namespace {

bool Usable(const CStringa& name)
{
    return name.IsOk() && name.Length() > 0;
}

// Leaves in errno why the last system call failed, as the C library would:
// the editor's messages say why a file could not be created from it.
void KeepReason()
{
    switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            errno = ENOENT;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            errno = EACCES;
            break;
        case ERROR_WRITE_PROTECT:
            errno = EROFS;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            errno = ENOSPC;
            break;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            errno = EEXIST;
            break;
        default:
            errno = EIO;
            break;
    }
}

// Closes the handle when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // False when closing reports an error; the handle is closed in any case.
    bool Close()
    {
        if (!IsOpen()) return true;
        const bool closed = ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

// Others may read the file meanwhile, as they may on POSIX systems; a file
// opened for appending they may append to as well.
HANDLE Open(const std::string& name, DWORD access, DWORD creation, DWORD share = FILE_SHARE_READ)
{
    const HANDLE file =
        ::CreateFileA(name.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) KeepReason();
    return file;
}

enum class At { Position, End };

// With At::End each piece goes to the end of the file as it is at that
// moment, also when another program has appended meanwhile (two runs of a
// test that end together write to one student file).
bool WriteAll(HANDLE file, std::string_view content, At at = At::Position)
{
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        // One call writes at most a DWORD's worth.
        const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        OVERLAPPED end{};
        end.Offset = end.OffsetHigh = 0xFFFFFFFF;
        if (!::WriteFile(file, data, chunk, &written, at == At::End ? &end : nullptr) || written == 0) {
            KeepReason();
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Writes content, pushes it to the disk and closes the file, which is closed
// in every case.
bool WriteSyncClose(Handle& file, const std::string& content)
{
    const bool written = WriteAll(file.Get(), content) && ::FlushFileBuffers(file.Get());
    const bool closed = file.Close();
    return written && closed;
}

// The folder part of path with its separator; a drive ("C:") counts as one.
std::string FolderOf(const std::string& path)
{
    const std::size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

// Creates a new hidden file beside path, named after it; its handle, closed
// when none could be made. The name part is cut short to keep within the
// name length limit.
HANDLE CreateTempBeside(const std::string& path, std::string& temp)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static unsigned long long counter = 0;
    const std::string dir = FolderOf(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long long seed = (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32) ^
                                  ++counter ^ static_cast<unsigned long long>(Random(0, 1 << 30));
        std::string suffix;
        for (int i = 0; i < 6; ++i, seed /= 36) suffix += kLetters[seed % 36];
        temp = dir + "." + path.substr(dir.size(), 64) + "-" + suffix;
        const HANDLE file = Open(temp, GENERIC_WRITE, CREATE_NEW);
        if (file != INVALID_HANDLE_VALUE) {
            ::SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_HIDDEN);
            return file;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

int CurrentProcessId()
{
    return static_cast<int>(::GetCurrentProcessId());
}

bool PathExists(const CStringa& name)
{
    return Usable(name) && ::GetFileAttributesA(name.CStr()) != INVALID_FILE_ATTRIBUTES;
}

bool CreateExclusive(const CStringa& name, const std::string& content)
{
    if (!Usable(name)) return false;
    Handle file(Open(name.CStr(), GENERIC_WRITE, CREATE_NEW));
    if (!file.IsOpen()) return false;
    if (WriteSyncClose(file, content)) return true;
    // A lock file with half a stamp would look like another run's lock.
    ::DeleteFileA(name.CStr());
    return false;
}

bool AppendToFile(const CStringa& name, const std::string& content)
{
    if (!Usable(name)) return false;
    Handle file(Open(name.CStr(), GENERIC_WRITE, OPEN_ALWAYS, FILE_SHARE_READ | FILE_SHARE_WRITE));
    if (!file.IsOpen()) return false;
    LARGE_INTEGER size;
    const bool sized = ::GetFileSizeEx(file.Get(), &size);
    const bool written = WriteAll(file.Get(), content, At::End) && ::FlushFileBuffers(file.Get());
    if (!written && sized && ::SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN)) {
        // Readers of the student file would stop at a half record, and every
        // record after it would be lost to them.
        ::SetEndOfFile(file.Get());
    }
    const bool closed = file.Close();
    return written && closed;
}

bool WriteWholeFile(const CStringa& name, const std::string& content)
{
    if (!Usable(name)) return false;
    Handle file(Open(name.CStr(), GENERIC_WRITE, CREATE_ALWAYS));
    if (!file.IsOpen()) return false;
    return WriteSyncClose(file, content);
}

struct FileReplacement::Temporary {
    std::string path;  // the file replaced
    std::string name;  // the temporary file's
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;  // the replaced file's
    bool replaceExisting = false;
    bool failed = false;
};

FileReplacement::FileReplacement(const CStringa& target, bool replaceExisting)
{
    if (!Usable(target)) return;
    auto temporary = std::make_unique<Temporary>();
    temporary->path = target.CStr();
    temporary->attributes = ::GetFileAttributesA(temporary->path.c_str());
    if (temporary->attributes != INVALID_FILE_ATTRIBUTES) {
        if (!replaceExisting) {
            result_ = ReplaceResult::TargetExists;
            return;
        }
        // A file the user has made read-only is not to be saved over.
        if (temporary->attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
            errno = EACCES;
            return;
        }
    }

    // The new text goes to a hidden file in the target's own folder, so that
    // the move stays on one volume and swaps the files in one step.
    temporary->file = CreateTempBeside(temporary->path, temporary->name);
    if (temporary->file == INVALID_HANDLE_VALUE) return;
    temporary->replaceExisting = replaceExisting;
    temporary_ = std::move(temporary);
}

FileReplacement::~FileReplacement()
{
    if (!temporary_) return;
    ::CloseHandle(temporary_->file);
    ::DeleteFileA(temporary_->name.c_str());
}

bool FileReplacement::Write(std::string_view piece)
{
    if (!temporary_ || temporary_->failed) return false;
    if (!WriteAll(temporary_->file, piece)) temporary_->failed = true;
    return !temporary_->failed;
}

ReplaceResult FileReplacement::Finish()
{
    if (!temporary_) return result_;
    const std::unique_ptr<Temporary> t = std::move(temporary_);
    const bool synced = !t->failed && ::FlushFileBuffers(t->file);
    if (!::CloseHandle(t->file) || !synced) {
        ::DeleteFileA(t->name.c_str());
        return result_ = ReplaceResult::Failed;
    }
    // Without MOVEFILE_REPLACE_EXISTING the move fails on a target that
    // appeared meanwhile, which is then kept.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (t->replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
    if (::MoveFileExA(t->name.c_str(), t->path.c_str(), flags)) {
        // The new file had the temporary file's hidden attribute; a replaced
        // file keeps its own.
        const bool existed = t->attributes != INVALID_FILE_ATTRIBUTES;
        ::SetFileAttributesA(t->path.c_str(), existed ? t->attributes : FILE_ATTRIBUTE_NORMAL);
        return result_ = ReplaceResult::Written;
    }
    const DWORD error = ::GetLastError();
    KeepReason();
    ::DeleteFileA(t->name.c_str());
    const bool appeared = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
    return result_ = appeared ? ReplaceResult::TargetExists : ReplaceResult::Failed;
}

ReplaceResult ReplaceFile(const CStringa& target, std::string_view content, bool replaceExisting)
{
    FileReplacement replacement(target, replaceExisting);
    replacement.Write(content);
    return replacement.Finish();
}

}  // namespace quadrivo
