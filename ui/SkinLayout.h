#pragma once

#include <QString>

namespace orvex {

class LayoutSection;

// A colour of the layout resources, each component 0..255 as written.
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;

    // The colour as one Windows value, R + 256 * G + 65536 * B.
    int WindowsValue() const;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The values of the layout resources that other parts of the program read
// after the appearance pass. The general values come from [org] once at
// start-up; the variant values are overwritten by every appearance pass.
struct SkinLayout {
    // [org]
    bool webEnabled = false;           // Web_Enable = 1
    QString webAddress;                // Web
    int webX = 0;                      // Web_X
    int webY = 0;                      // Web_Y
    int reservedVendorId = 0;          // Rev_Manu_ID
    int reservedProductId = 0;         // Rev_Pro_ID
    QString macroLibraryFolder;        // Path; empty: beside the program
    bool captionRolling = false;       // TR_Enable = 1
    bool sliderStyle = false;          // DPILED_Status = 1: one lit segment
    int numberOrder = 0;               // Num_Order, 0 (small to large) or 1

    // [org1] .. [org3]
    int buttonSpaceFront = 0;          // Btn_Space_F
    int buttonSpaceBack = 0;           // Btn_Space_B
    Rgb menuText;                      // Color_G_
    Rgb menuBackground;                // Color_G_Back_
    Rgb menuHoverText;                 // Color_G_SF_
    Rgb menuHoverBackground;           // Color_G_SP_
    Rgb cpiSelected;                   // Color_D_Selected_
    Rgb cpiNotSelected;                // Color_D_notSelected_
    Rgb macroText;                     // Color_F_
    Rgb macroListText;                 // Color_F_Font_
    Rgb macroButtonBackground;         // Color_F_Back_
    int macroNameHeight = 0;           // MacroNameHeight

    friend bool operator==(const SkinLayout&, const SkinLayout&) = default;
};

// Reads prefix + "_R", "_G", "_B" (e.g. "Color_G_SP"). Throws LayoutError.
Rgb ReadLayoutColour(const LayoutSection& section, const QString& prefix);

// Reads the general values of [org] into layout, key by key in resource
// order. Throws LayoutError at the first bad key; layout is then unchanged.
void ReadGeneralSection(const LayoutSection& section, SkinLayout& layout);

// Reads the values kept from a layout variant ([org1] .. [org3]) into
// layout. Throws LayoutError at the first bad key; layout is then unchanged.
void ReadVariantValues(const LayoutSection& section, SkinLayout& layout);

}  // namespace orvex
