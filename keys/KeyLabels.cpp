#include "keys/KeyLabels.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

#include "app/Configurator.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

void ShowProfile(QWidget* window, const Configurator& state, const std::array<QString, 9>& codes)
{
    for (int k = 1; k <= 9; ++k) {
        if (auto* label = window->findChild<QLabel*>(QStringLiteral("Key%1").arg(k)))
            label->setText(state.KeyFunctionName(codes[k - 1]));
    }
    QCoreApplication::processEvents();
}

}  // namespace

void RefreshProfile1Keys(QWidget* window, const Configurator& state)
{
    ShowProfile(window, state, state.Codes().modeA);
}

void RefreshProfile2Keys(QWidget* window, const Configurator& state)
{
    ShowProfile(window, state, state.Codes().modeB);
}

void ShowKeyModeOfImage(QWidget* window, Configurator& state)
{
    if (auto* picture = window->findChild<SkinPicture*>(QStringLiteral("Img_P1")))
        picture->SetPicture(QStringLiteral("L%1_Back1").arg(state.LanguageNumber()));
    for (const char* tab : {"Main", "Second", "Adv", "Breath", "Macro", "Engineer"})
        SetPictureCopies(window, QLatin1String(tab), QStringLiteral("SetS_01"));
    const bool modeB = (state.Image().sections.parameterB[4] & 0x80) != 0;
    SetPictureCopies(window, modeB ? QStringLiteral("Second") : QStringLiteral("Main"), QStringLiteral("SetS_03"));
    if (auto* marker = window->findChild<QRadioButton*>(modeB ? QStringLiteral("rb_2") : QStringLiteral("rb_1")))
        marker->setChecked(true);
    state.SetPage(modeB ? CurrentPage::ModeB : CurrentPage::ModeA);
    if (modeB)
        RefreshProfile2Keys(window, state);
    else
        RefreshProfile1Keys(window, state);
}

}  // namespace orvex
