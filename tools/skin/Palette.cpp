#include "tools/skin/Palette.h"

namespace orvex::skin {

QColor Colour(QRgb rgb, int alpha)
{
    QColor colour = QColor::fromRgb(rgb);
    colour.setAlpha(alpha);
    return colour;
}

QFont TextFont(Language language, int pixelSize, int weight)
{
    QFont font(language == Language::Chinese ? QStringLiteral("WenQuanYi Micro Hei")
                                             : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont WordmarkFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Black);
    font.setStretch(QFont::SemiCondensed);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

}  // namespace orvex::skin
