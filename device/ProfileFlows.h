#pragma once

#include <QString>

#include "device/FlowOutcome.h"
#include "device/Supervision.h"

namespace orvex {

// What Save Profile did: the read of the mouse and the file.
struct SaveProfileOutcome {
    FlowOutcome read;   // the read the file is taken from
    QString path;       // the file name after the ".bin" rule
    bool saved = false;
    QString fileError;  // why the file could not be written; empty otherwise

    bool Succeeded() const { return read.Succeeded() && saved; }
};

/// Save Profile: reads the mouse (identity check and full read) and, only
/// when that succeeded, writes the image read to ProfileFileName(chosenName),
/// atomically. A refused check or a failed read writes nothing: a file with
/// the image the program happened to hold would pass for the mouse's.
SaveProfileOutcome SaveProfile(Supervision& supervision, DeviceLink& link, const QString& chosenName,
                               const FlowProgress& progress = {});

}  // namespace orvex
