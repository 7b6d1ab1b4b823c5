#include "ui/DialogFrameDescription.h"

#include "ui/DialogFrame.h"

namespace orvex {
namespace {

// Group K of the layout for the combination-key dialog; group L for the
// others, the colour dialog with its own NorLED_ places.
constexpr DialogFrameDescription kAssemblyKey{
    "TForm2", "Img_Assembly", "lbl_Assembly", "Edt_Assembly", "Str500", "Str501", "Str502", 40,
    "Size_K", "Color_K", "Color_K_AK", "AKT", "AKC", "AK_Cfm", "AK_Clear", "AK_Close", true, false};

constexpr DialogFrameDescription kMacroName{
    "TForm3", "Img_MacroName", "lbl_MacroName", "Edt_MacroName", "Str510", "Str511", "Str512", 0,
    "Size_L", "Color_L", "Color_L_MN", "MNT", "MNC", "MN_Cfm", "MN_Clear", "MN_Close", false, false};

constexpr DialogFrameDescription kColourChoice{
    "TForm4", "Img_EditKey", "lbl_NorLEDTitle", nullptr, "Str522", "Str511", "Str512", 0,
    "Size_L", "Color_L", nullptr, "NorLED_Tte", "NorLED_Col", "NorLED_Cfm", "NorLED_Clear",
    "NorLED_Close", false, true};

constexpr DialogFrameDescription kStepKey{
    "TForm5", "Img_EditKey", "lbl_EditKey", "Edt_EditKey", "Str520", "Str511", "Str512", 0,
    "Size_L", "Color_L", "Color_L_MN", "MNT", "MNC", "MN_Cfm", "MN_Clear", "MN_Close", false, false};

constexpr DialogFrameDescription kStepDelay{
    "TForm6", "Img_EditTime", "lbl_EditTime", "Edt_EditTime", "Str521", "Str511", "Str512", 0,
    "Size_L", "Color_L", "Color_L_MN", "MNT", "MNC", "MN_Cfm", "MN_Clear", "MN_Close", false, false};

constexpr DialogFrameDescription kStepValue{
    "TForm7", "Img_EditTime", "lbl_EditTime", "Edt_EditTime", "Str523", "Str511", "Str512", 0,
    "Size_L", "Color_L", "Color_L_MN", "MNT", "MNC", "MN_Cfm", "MN_Clear", "MN_Close", false, false};

constexpr DialogCheckBox kModifierBoxes[] = {
    {"CB_Ctrl", "Ctrl", "MK_C"},
    {"CB_Shift", "Shift", "MK_S"},
    {"CB_Alt", "Alt", "MK_A"},
    {"CB_Win", "Win", "MK_W"},
};

}  // namespace

const DialogFrameDescription& DescribeDialog(DialogKind kind)
{
    switch (kind) {
    case DialogKind::AssemblyKey: return kAssemblyKey;
    case DialogKind::MacroName: return kMacroName;
    case DialogKind::ColourChoice: return kColourChoice;
    case DialogKind::StepKey: return kStepKey;
    case DialogKind::StepDelay: return kStepDelay;
    case DialogKind::StepValue: return kStepValue;
    }
    return kMacroName;
}

std::span<const DialogCheckBox> DialogModifierBoxes()
{
    return kModifierBoxes;
}

QString ColourChoiceLabelName(int n)
{
    return QStringLiteral("lbl_DPI%1Col").arg(n);
}

QString ColourChoiceFrameName(int n)
{
    return QStringLiteral("Img_DPI%1Col").arg(n);
}

QString ColourChoiceSwatchName(int n)
{
    return QStringLiteral("cs_DPI%1Col").arg(n);
}

QString ColourChoiceMarkName(int n)
{
    return QStringLiteral("Img_DPI%1ColSel").arg(n);
}

}  // namespace orvex
