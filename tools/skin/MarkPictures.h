#pragma once

#include <QImage>
#include <QSize>

namespace orvex::skin {

// Check box: on (_E) or off (_D).
QImage DrawCheckMark(QSize size, bool on);

// Option mark (one of several): on (_E) or off (_D).
QImage DrawOptionMark(QSize size, bool on);

// One segment of a clickable scale, lit (_E) or unlit (_D). Segments stand
// side by side with no gap or a small one, so each carries its own margins.
QImage DrawScaleSegment(QSize size, bool lit);

// Frame over a colour swatch; its interior is fully transparent so the
// colour shape underneath shows through.
QImage DrawSwatchFrame(QSize size);

}  // namespace orvex::skin
