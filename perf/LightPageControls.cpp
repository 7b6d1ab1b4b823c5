#include "perf/LightPageControls.h"

#include "ui/ControlFactory.h"
#include "ui/RectShape.h"
#include "ui/SkinLabel.h"

namespace orvex {

void CreateLightPageControls(QWidget* page)
{
    AddPicture(page, QStringLiteral("Img_P3"));
    const char* const options[] = {"LEDOn",       "LEDOff",        "MCPIOn",
                                   "MCPIOff",     "LCPIOn",        "LCPIOff",
                                   "SaveKeyMode", "NoSaveKeyMode"};
    for (const char* option : options) {
        AddPicture(page, QStringLiteral("Img_%1").arg(QLatin1String(option)));
        auto* label = AddLabel(page, QStringLiteral("lbl_%1").arg(QLatin1String(option)));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (int n = 1; n <= 7; ++n) {
        AddPicture(page, QStringLiteral("Img_MCULEDMode%1").arg(n));
        auto* label = AddLabel(page, QStringLiteral("lbl_MCULEDMode%1").arg(n));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Segment j of the speed scale is step j - 1; of the count scale, count j + 3.
    for (int j = 1; j <= 8; ++j) {
        AddPicture(page, QStringLiteral("Img_MCULEDStep_%1").arg(j));
        AddLabel(page, QStringLiteral("lbl_MCULEDStep_%1").arg(j), QString::number(j - 1));
    }
    for (int j = 1; j <= 10; ++j) {
        AddPicture(page, QStringLiteral("Img_MCULEDNum_%1").arg(j));
        AddLabel(page, QStringLiteral("lbl_MCULEDNum_%1").arg(j), QString::number(j + 3));
    }
    for (int mode = 1; mode <= 2; ++mode) {
        auto* swatch = new TRectShape(QStringLiteral("cs_Mode%1Color").arg(mode), page);
        swatch->SetShadow(false);
        AddPicture(page, QStringLiteral("Img_Mode%1Color").arg(mode));
        AddLabel(page, QStringLiteral("IB_Mode%1Color").arg(mode));
    }
}

}  // namespace orvex
