#pragma once

#include <QColor>
#include <QFont>
#include <QRgb>
#include <QString>

namespace orvex::skin {

// The skin's colours. One accent (electric cyan) on near-black graphite; the
// deep accent is dark enough for white 10..12 pt captions on top of it.
namespace colour {
inline constexpr QRgb kDesk = 0xFF0B0D10;        // behind everything, outer rim
inline constexpr QRgb kSurface0 = 0xFF121418;    // page body
inline constexpr QRgb kSurface1 = 0xFF171A1F;    // content bay, panels
inline constexpr QRgb kSurface2 = 0xFF1E2128;    // plates, raised parts
inline constexpr QRgb kSurface3 = 0xFF272B34;    // hovered plates
inline constexpr QRgb kSurface4 = 0xFF323743;    // hovered plate top
inline constexpr QRgb kLine = 0xFF2C313B;        // neutral edge lines
inline constexpr QRgb kLineBright = 0xFF4B5362;  // lit neutral edges
inline constexpr QRgb kAccent = 0xFF19E3FF;      // electric cyan
inline constexpr QRgb kAccentSoft = 0xFF63EDFF;  // highlights on the accent
inline constexpr QRgb kAccentDeep = 0xFF00788C;  // filled accent behind text
inline constexpr QRgb kAccentDark = 0xFF004654;  // bottom of filled accent
inline constexpr QRgb kText = 0xFFECEFF4;        // printed headings
inline constexpr QRgb kTextSoft = 0xFFB9C1CD;    // printed captions
inline constexpr QRgb kTextDim = 0xFF6E7787;     // hints, ticks
// The window and the small dialogs treat exactly this colour as see-through;
// it must not occur anywhere else in the skin.
inline constexpr QRgb kSeeThrough = 0xFF800000;
}  // namespace colour

// A colour of the palette with the given opacity (0..255).
QColor Colour(QRgb rgb, int alpha = 255);

// The two languages that get their own printed pictures: 1 (Simplified
// Chinese) and 3 (English). Language 2 only has placeholders.
enum class Language { Chinese = 1, English = 3 };

// A printed text in both languages of the pictures (UTF-8).
struct Words {
    const char* chinese;
    const char* english;

    QString In(Language language) const
    {
        return QString::fromUtf8(language == Language::Chinese ? chinese : english);
    }
};

// Font for printed texts of the given language, sized in pixels so that the
// pictures do not depend on a screen resolution.
QFont TextFont(Language language, int pixelSize, int weight = QFont::Normal);

// Font of the product wordmark.
QFont WordmarkFont(int pixelSize);

}  // namespace orvex::skin
