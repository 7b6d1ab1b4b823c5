#pragma once

#include <QJsonObject>
#include <QString>

#include "config/ImageLayout.h"
#include "ui/LanguageTable.h"

namespace orvex::cli {

// What the configurator would show of an image: the image is split with its
// checks (repaired sections replaced by their defaults) exactly as a read
// from the mouse or a profile file is taken over.
QJsonObject ImageReportJson(const ImageBuffer& image, const LanguageTable& language);

// The same settings as readable English text (names in the given language).
QString ImageReportText(const QJsonObject& report);

}  // namespace orvex::cli
