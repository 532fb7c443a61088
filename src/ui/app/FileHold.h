// The window's hold on its open competition file: the lock from open to
// close (or read-only use where another program holds it), and what the file
// was on disk when it was read or saved, so that a save notices another
// program's save in between.
#pragma once

#include "core/platform/file_lock.h"
#include "core/platform/files.h"
#include "core/platform/platform.h"

#include <functional>
#include <memory>
#include <string>

namespace rondaxa {

class FileHold {
public:
    // Before loading fileName: takes its lock. Where another program holds
    // it, offers to open it read-only; false when it is not to be opened.
    bool BeforeOpen(const std::string &fileName, Prompts &prompts);
    // The load of BeforeOpen's file succeeded, or did not.
    void Opened(const std::string &fileName);
    void OpenFailed() { pending_.reset(); }

    // Before saving to fileName: takes the lock of a new name (a file held by
    // another program is refused with who holds it) and asks before
    // overwriting the open file that another program changed since it was
    // read. False when the save is not to happen.
    bool BeforeSave(const std::string &fileName, Prompts &prompts);
    // The save to fileName succeeded, or did not.
    void Saved(const std::string &fileName);
    void SaveFailed() { pending_.reset(); }

    // The competition is closed: the lock goes.
    void Release();
    // Opened read-only: saving asks for another name.
    bool ReadOnly() const { return readOnly_; }

private:
    bool Holds(const std::string &fileName) const;

    std::unique_ptr<FileLock> lock_;
    std::unique_ptr<FileLock> pending_;
    bool readOnly_ = false;
    bool pendingReadOnly_ = false;
    std::string fileName_;
    FileStamp stamp_;
};

// Disposes of an old backup (see DisposeBackupFn): into the desktop's trash
// under its backup name; false where there is none (the save then removes it).
bool MoveBackupToTrash(const std::string &path, const std::string &backupName);

} // namespace rondaxa
