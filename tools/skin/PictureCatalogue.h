#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace orvex::skin {

// One picture the generator writes.
struct PictureJob {
    QString path;                       // relative to the repository root
    QSize size;                         // exact pixel size the layout expects
    std::function<QImage(QSize)> draw;  // paints the picture at that size
    bool seeThrough = false;            // shaped by the see-through colour
    QRect clearCore;                    // must be fully transparent (alpha 0)
};

// Every picture of the skin: the catalogue of the layout resources plus the
// engineer logo strip and the application icons.
std::vector<PictureJob> PictureCatalogue();

}  // namespace orvex::skin
