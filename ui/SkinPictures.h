#pragma once

#include <QPixmap>
#include <QString>

#include <stdexcept>

namespace orvex {

// A built-in picture or other resource that is not there. Like a bad layout
// value, it stops the pass that met it and is shown to the user.
class ResourceError : public std::runtime_error {
public:
    explicit ResourceError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// The skin picture of that resource name (":/skin/<name>.png"), loaded once.
// Throws ResourceError when the program has no such picture.
QPixmap SkinPixmap(const QString& name);

}  // namespace orvex
