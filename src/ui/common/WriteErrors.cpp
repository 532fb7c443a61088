#include "ui/common/WriteErrors.h"

#include "core/model/kzb_file.h"
#include "core/model/messages.h"
#include "core/platform/files.h"

namespace rondaxa {

bool WriteReportingErrors(Prompts &prompts, const std::function<void()> &write) {
    try {
        write();
        return true;
    } catch (const IoError &) {
        ShowError(prompts, kSaveFailedCode);
        return false;
    }
}

} // namespace rondaxa
