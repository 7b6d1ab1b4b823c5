#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include "ui/LayoutResource.h"
#include "ui/SkinLayout.h"

namespace orvex {

// Places the named controls of a widget tree by the keys of one layout
// section, with the placement rules of the skin. Every key is read with the
// strict integer conversion: a missing or malformed key throws LayoutError
// and stops the caller's pass at that key (what was placed stays placed).
class SkinPlacer {
public:
    SkinPlacer(QWidget* root, const LayoutSection& section);

    int Int(const QString& key) const { return m_section.Integer(key); }
    Rgb Colour(const QString& prefix) const { return ReadLayoutColour(m_section, prefix); }

    // The control of that object name; nullptr when the tree has none.
    QWidget* Find(const QString& name) const { return m_controls.value(name); }
    template <typename T>
    T* Find(const QString& name) const
    {
        return qobject_cast<T*>(Find(name));
    }

    // Reads <prefix>_Enable: 1 shows picture and label, anything else hides
    // them. Returns whether they are shown (then the position keys follow).
    bool Enable(const QString& prefix, const QString& picture, const QString& label);

    // Picture at (X, Y); the label on it with the picture's size.
    void PictureButton(const QString& picture, const QString& label, int x, int y);
    // Picture at (X, Y); label inset by front/back, with the picture's height.
    void InsetButton(const QString& picture, const QString& label, int x, int y, int front, int back);
    // Picture at (x, y); the label at (x, y - 2), keeping its size.
    void CheckMark(const QString& picture, const QString& label, int x, int y);
    // Picture at (x, y); the label at (x - 4, y - 2).
    void OptionMark(const QString& picture, const QString& label, int x, int y);
    // Picture, colour shape and click label at (x, y); shape and label take
    // the picture's size.
    void Swatch(const QString& picture, const QString& shape, const QString& label, int x, int y);
    void Move(const QString& name, int x, int y);

    // Font size and colour, or only one of them, of the named controls.
    void FontSize(const QStringList& names, int pointSize);
    void FontColour(const QStringList& names, const Rgb& colour);
    void Background(const QStringList& names, const Rgb& colour);

private:
    QWidget* Require(const QString& name) const;

    QHash<QString, QWidget*> m_controls;
    const LayoutSection& m_section;
};

}  // namespace orvex
