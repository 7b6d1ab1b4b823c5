#include "ui/SkinLayout.h"

#include "ui/LayoutResource.h"

#include <algorithm>

namespace orvex {

int Rgb::WindowsValue() const
{
    return r + 256 * g + 65536 * b;
}

Rgb ReadLayoutColour(const LayoutSection& section, const QString& prefix)
{
    Rgb colour;
    colour.r = section.Integer(prefix + QStringLiteral("_R"));
    colour.g = section.Integer(prefix + QStringLiteral("_G"));
    colour.b = section.Integer(prefix + QStringLiteral("_B"));
    return colour;
}

// Both readers fill a copy and hand it over only when every key was good, so
// a broken resource never leaves half of the values of one pass behind.

void ReadGeneralSection(const LayoutSection& section, SkinLayout& layout)
{
    SkinLayout next = layout;
    next.webEnabled = section.Integer(QStringLiteral("Web_Enable")) == 1;
    next.webAddress = section.Text(QStringLiteral("Web"));
    next.webX = section.Integer(QStringLiteral("Web_X"));
    next.webY = section.Integer(QStringLiteral("Web_Y"));
    next.reservedVendorId = section.Integer(QStringLiteral("Rev_Manu_ID"));
    next.reservedProductId = section.Integer(QStringLiteral("Rev_Pro_ID"));
    next.macroLibraryFolder = section.Text(QStringLiteral("Path"));
    next.captionRolling = section.Integer(QStringLiteral("TR_Enable")) == 1;
    next.sliderStyle = section.Integer(QStringLiteral("DPILED_Status")) == 1;
    next.numberOrder = std::clamp(section.Integer(QStringLiteral("Num_Order")), 0, 1);
    layout = next;
}

void ReadVariantValues(const LayoutSection& section, SkinLayout& layout)
{
    SkinLayout next = layout;
    next.buttonSpaceFront = section.Integer(QStringLiteral("Btn_Space_F"));
    next.buttonSpaceBack = section.Integer(QStringLiteral("Btn_Space_B"));
    next.menuText = ReadLayoutColour(section, QStringLiteral("Color_G"));
    next.menuBackground = ReadLayoutColour(section, QStringLiteral("Color_G_Back"));
    next.menuHoverText = ReadLayoutColour(section, QStringLiteral("Color_G_SF"));
    next.menuHoverBackground = ReadLayoutColour(section, QStringLiteral("Color_G_SP"));
    next.cpiSelected = ReadLayoutColour(section, QStringLiteral("Color_D_Selected"));
    next.cpiNotSelected = ReadLayoutColour(section, QStringLiteral("Color_D_notSelected"));
    next.macroText = ReadLayoutColour(section, QStringLiteral("Color_F"));
    next.macroListText = ReadLayoutColour(section, QStringLiteral("Color_F_Font"));
    next.macroButtonBackground = ReadLayoutColour(section, QStringLiteral("Color_F_Back"));
    next.macroNameHeight = section.Integer(QStringLiteral("MacroNameHeight"));
    layout = next;
}

}  // namespace orvex
