#include "perf/ColourChoiceDialog.h"

#include "perf/NamedColours.h"
#include "ui/ControlFactory.h"
#include "ui/DialogFrameDescription.h"
#include "ui/RectShape.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

const QString kMarkOff = QStringLiteral("CbS_D");
const QString kMarkOn = QStringLiteral("CbS_E");

}  // namespace

ColourChoiceDialog::ColourChoiceDialog(int languageNumber, QWidget* mainWindow)
    : ColourChoiceDialog(LoadDialogResources(languageNumber), mainWindow)
{
}

ColourChoiceDialog::ColourChoiceDialog(const DialogResources& resources, QWidget* mainWindow)
    : DialogFrame(DialogKind::ColourChoice, mainWindow)
    , m_chosen(kNoNamedColour)
{
    for (int n = 1; n <= kColourChoiceCount; ++n) {
        // The frame picture lies over the swatch and the click label over both.
        auto* swatch = new TRectShape(ColourChoiceSwatchName(n), this);
        swatch->SetShadow(false);
        const Rgb colour = NamedColourRgb(n - 1);
        swatch->SetBrush(QColor(colour.r, colour.g, colour.b));
        AddPicture(this, ColourChoiceFrameName(n));
        SkinLabel* label = AddLabel(this, ColourChoiceLabelName(n));
        connect(label, &SkinLabel::clicked, this, [this, n] { Choose(n - 1); });
        AddPicture(this, ColourChoiceMarkName(n));
    }
    BuildFrame(resources);
}

void ColourChoiceDialog::Choose(int colourIndex)
{
    for (int n = 1; n <= kColourChoiceCount; ++n) {
        auto* mark = findChild<SkinPicture*>(ColourChoiceMarkName(n));
        mark->SetPicture(n - 1 == colourIndex ? kMarkOn : kMarkOff);
    }
    m_chosen = colourIndex;
}

void ColourChoiceDialog::ConfirmAction()
{
    Q_EMIT confirmed(m_chosen);
    close();
}

void ColourChoiceDialog::SecondAction()
{
    Choose(kNoNamedColour);
}

}  // namespace orvex
