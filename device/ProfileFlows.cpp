#include "device/ProfileFlows.h"

#include "config/ProfileFile.h"
#include "device/ReadFlows.h"

namespace orvex {

SaveProfileOutcome SaveProfile(Supervision& supervision, DeviceLink& link, const QString& chosenName,
                               const FlowProgress& progress)
{
    SaveProfileOutcome outcome;
    outcome.path = ProfileFileName(chosenName);
    outcome.read = ReadMouse(supervision, link, progress);
    if (!outcome.read.Succeeded() || !outcome.read.image)
        return outcome;
    const FileSaveResult save = SaveProfileFile(outcome.path, *outcome.read.image);
    outcome.saved = save.saved;
    outcome.fileError = save.errorText;
    return outcome;
}

}  // namespace orvex
