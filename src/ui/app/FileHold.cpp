#include "ui/app/FileHold.h"

#include "core/model/kzb_file.h"
#include "core/model/messages.h"
#include "core/model/text.h"
#include "core/platform/trash.h"

#include <QFile>
#include <QString>

namespace rondaxa {
namespace {

constexpr const char *kProgram = "Rondaxa";

std::string NameOf(const std::string &fileName) {
    return Utf8ToCp1252(Utf8Path(NativePath(fileName).filename()));
}

} // namespace

bool FileHold::Holds(const std::string &fileName) const {
    return lock_ && NamesSameFile(lock_->FileName(), fileName);
}

bool FileHold::BeforeOpen(const std::string &fileName, Prompts &prompts) {
    pending_.reset();
    pendingReadOnly_ = false;
    if (Holds(fileName))
        return true;
    try {
        pending_ = std::make_unique<FileLock>(fileName, kProgram);
    } catch (const FileInUse &refusal) {
        const std::string question = std::string(refusal.what()) +
                                     "\r\n\r\nWilt u het bestand alleen-lezen openen? Bewaren vraagt dan "
                                     "om een andere naam.";
        if (prompts.Ask(question, Buttons::YesNo) != Answer::Yes)
            return false;
        pendingReadOnly_ = true;
    } catch (const IoError &) {
        // A folder where no lock can be made (a read-only share): the file
        // opens all the same; a save there fails with its own message.
    }
    return true;
}

void FileHold::Opened(const std::string &fileName) {
    if (!Holds(fileName))
        lock_ = std::move(pending_);
    pending_.reset();
    readOnly_ = pendingReadOnly_;
    fileName_ = fileName;
    stamp_ = StampOf(fileName);
}

bool FileHold::BeforeSave(const std::string &fileName, Prompts &prompts) {
    pending_.reset();
    if (!Holds(fileName)) {
        try {
            pending_ = std::make_unique<FileLock>(fileName, kProgram);
        } catch (const FileInUse &refusal) {
            prompts.Message(std::string(refusal.what()) + "\r\n\r\nHet bestand is niet bewaard.",
                            MessageIcon::Exclamation);
            return false;
        } catch (const IoError &) {
            // the save itself tells what is wrong with the folder
        }
    }
    const bool openFile = !fileName_.empty() && NamesSameFile(fileName, fileName_);
    if (openFile && stamp_.Exists && StampOf(fileName) != stamp_) {
        const std::string question = "Het bestand " + NameOf(fileName) +
                                     " is na het openen door een ander programma gewijzigd.\r\n\r\n"
                                     "Wilt u het toch overschrijven?";
        if (prompts.Ask(question, Buttons::YesNo) != Answer::Yes) {
            pending_.reset();
            return false;
        }
    }
    return true;
}

void FileHold::Saved(const std::string &fileName) {
    if (pending_)
        lock_ = std::move(pending_);
    else if (!Holds(fileName))
        lock_.reset();
    readOnly_ = false;
    fileName_ = fileName;
    stamp_ = StampOf(fileName);
}

void FileHold::Release() {
    pending_.reset();
    lock_.reset();
    readOnly_ = false;
    fileName_.clear();
    stamp_ = {};
}

bool MoveBackupToTrash(const std::string &path, const std::string &backupName) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    (void)backupName;
    return QFile::moveToTrash(QString::fromStdString(path));
#else
    // Not Qt's trash here: where the data folder is missing it writes its
    // trash folders beside the working folder.
    return MoveToHomeTrash(path, backupName);
#endif
}

} // namespace rondaxa
