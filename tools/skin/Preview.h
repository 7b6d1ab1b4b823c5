#pragma once

#include <QString>
#include <QStringList>

namespace orvex::skin {

// Composes sample pages and dialogs from the pictures in skinFolder, with
// sample buttons and captions at their layout places, for languages 1 and 3;
// writes them as PNG into outFolder and returns the files written.
QStringList WritePreviews(const QString& skinFolder, const QString& outFolder);

}  // namespace orvex::skin
