#pragma once

#include <QString>

#include <span>

namespace orvex {

enum class DialogKind;

// One modifier box of the combination-key dialog: its control, caption and
// the layout key prefix of its place.
struct DialogCheckBox {
    const char* name;
    const char* caption;
    const char* placeKey;
};

// What tells the six dialogs of the frame apart: control names, the texts of
// the language table and the layout keys they read. Layout keys are
// prefixes: a place key P is read as P_X and P_Y, the input as P_X, P_Y and
// (for edits) P_W, a colour C as C_R, C_G and C_B.
struct DialogFrameDescription {
    const char* formName;
    const char* background;
    const char* title;
    const char* edit;           // nullptr: the dialog has no edit
    const char* titleText;
    const char* confirmText;
    const char* secondText;
    int extraTop;               // pixels below the centred position
    const char* sizeKey;
    const char* colourKey;
    const char* inputColourKey;  // nullptr: nothing takes an input colour
    const char* titlePlace;
    const char* inputPlace;
    const char* confirmPlace;
    const char* secondPlace;
    const char* closePlace;
    bool modifierBoxes;          // the four boxes of the combination-key dialog
    bool colourChoices;          // the seven colour choices of the colour dialog
};

const DialogFrameDescription& DescribeDialog(DialogKind kind);

// The modifier boxes, in the order of the modifier mask bits.
std::span<const DialogCheckBox> DialogModifierBoxes();

// The colour dialog offers one choice per named colour.
inline constexpr int kColourChoiceCount = 7;

// Control names of colour choice n = 1 .. 7.
QString ColourChoiceLabelName(int n);    // lbl_DPInCol, the click label
QString ColourChoiceFrameName(int n);    // Img_DPInCol, the Col_F frame
QString ColourChoiceSwatchName(int n);   // cs_DPInCol, the colour shape
QString ColourChoiceMarkName(int n);     // Img_DPInColSel, the selection mark

}  // namespace orvex
