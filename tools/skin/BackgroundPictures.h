#pragma once

#include "tools/skin/Palette.h"

#include <QImage>
#include <QPolygon>
#include <QSize>

namespace orvex::skin {

// Outline of the window; outside it the background is see-through.
QPolygon PageOutline(QSize size);

// Outline of the small dialogs.
QPolygon DialogOutline(QSize size);

// Background of every skinned page: frame, wordmark, tab rail, content bay
// and bottom deck, with the see-through colour outside the outline.
QImage DrawPageBackground(QSize size, Language language);

// Background of the small dialogs, see-through outside its outline.
QImage DrawDialogBackground(QSize size);

// Background of the macro editor's insert box, by what is being inserted.
enum class InsertKind { Delay, Key, Movement };
QImage DrawInsertBase(QSize size, InsertKind kind);

// A plain stand-in picture (language 2 has no pictures of its own).
QImage DrawPlaceholder(QSize size);

}  // namespace orvex::skin
