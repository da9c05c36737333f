#ifndef QUADRIVO_TSTFILE_FILESYSTEM_H
#define QUADRIVO_TSTFILE_FILESYSTEM_H

#include <memory>
#include <string>
#include <string_view>

#include "text/stringa.h"

namespace quadrivo {

// The few file operations that plain streams cannot do safely: create a file
// only when it does not exist yet, replace a file only once its new content
// is wholly on disk, append with a checked write. New files get permission
// bits 0666 less the user's umask where the platform has them. None of these reports an error:
// callers choose the message. Names are in the system's own file-name
// encoding: UTF-8 on POSIX systems, the ANSI code page on Windows. One
// implementation file per system (filesystem_posix.cpp,
// filesystem_windows.cpp); the build compiles the one of its target.

// This process's number as the system shows it, for the stamps of lock files.
int CurrentProcessId();

// Whether anything exists under name, also a file this user may not read.
bool PathExists(const CStringa& name);

// Creates name with content; false when it exists already or cannot be
// written.
bool CreateExclusive(const CStringa& name, const std::string& content);

enum class ReplaceResult {
    Written,       // target now holds content
    TargetExists,  // replaceExisting was false and target exists: untouched
    Failed,        // nothing changed: target is as it was
};

// A new content for target, written piece by piece to a new file in
// target's own directory and renamed over target only once every write, the
// flush to disk and the close have succeeded, so that no failure can leave
// target half written. Each piece is on its way to the disk while the caller
// prepares the next. An existing target keeps its permission bits; a
// read-only one is not replaced (Failed). On POSIX systems a symbolic link
// is followed: the file it names is replaced. Without replaceExisting an
// existing target is never touched, also when it appears while the new file
// is being written. Dropped before Finish, it leaves target as it was and no
// new file behind.
class FileReplacement {
public:
    FileReplacement(const CStringa& target, bool replaceExisting);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False once the replacement has failed (or found target existing);
    // later pieces are then ignored and Finish says why.
    bool Write(std::string_view piece);
    // Puts the new file in target's place; called again, says how that went.
    ReplaceResult Finish();

private:
    struct Temporary;
    std::unique_ptr<Temporary> temporary_;
    ReplaceResult result_ = ReplaceResult::Failed;
};

// A FileReplacement with the whole content in one piece.
ReplaceResult ReplaceFile(const CStringa& target, std::string_view content, bool replaceExisting);

// Appends content to name (created when missing), also while another
// program appends to it. False when a write fails; the file is then cut back
// to the length it had, so that no half record stays behind.
bool AppendToFile(const CStringa& name, const std::string& content);

// Writes content to name, created or truncated; false when a write fails.
bool WriteWholeFile(const CStringa& name, const std::string& content);

}  // namespace quadrivo

#endif
