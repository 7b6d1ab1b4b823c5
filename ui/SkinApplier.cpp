#include "ui/SkinApplier.h"

#include <QWidget>

#include "ui/LayoutResource.h"
#include "ui/SkinGroups.h"
#include "ui/SkinPicture.h"
#include "ui/SkinPlacer.h"

namespace orvex {
namespace {

void Picture(QWidget* window, const QString& control, const QString& resource)
{
    if (auto* picture = window->findChild<SkinPicture*>(control))
        picture->SetPicture(resource);
}

}  // namespace

void LoadPagePanel(QWidget* window, int languageNumber, CurrentPage page)
{
    const QString language = QStringLiteral("L%1_").arg(languageNumber);
    switch (page) {
    case CurrentPage::ModeA:
    case CurrentPage::ModeB:
        Picture(window, QStringLiteral("Img_P1"), language + QStringLiteral("Back1"));
        break;
    case CurrentPage::Advanced:
        Picture(window, QStringLiteral("Img_P2"), language + QStringLiteral("Back2"));
        break;
    case CurrentPage::Lighting:
        Picture(window, QStringLiteral("Img_P3"), language + QStringLiteral("Back3"));
        break;
    case CurrentPage::Macro:
        Picture(window, QStringLiteral("Img_P4"), language + QStringLiteral("Back4"));
        break;
    case CurrentPage::Engineer:
        break;
    }
}

void LoadSkinImages(QWidget* window, CurrentPage page)
{
    for (int copy = 1; copy <= 4; ++copy)
        Picture(window, QStringLiteral("Img_Base_%1").arg(copy), QStringLiteral("L1_BackGround"));
    if (page == CurrentPage::ModeA || page == CurrentPage::ModeB)
        Picture(window, QStringLiteral("Img_P1"), QStringLiteral("L1_Back1"));
    Picture(window, QStringLiteral("Img_P2"), QStringLiteral("L1_Back2"));
    Picture(window, QStringLiteral("Img_P3"), QStringLiteral("L1_Back3"));
    Picture(window, QStringLiteral("Img_P4"), QStringLiteral("L1_Back4"));

    for (const char* name : {"Confirm", "Apply", "Read", "Confirm1", "Confirm2", "Confirm3"})
        SetPictureCopies(window, QLatin1String(name), QStringLiteral("BtnS_01"));
    SetPictureCopies(window, QStringLiteral("Exit"), QStringLiteral("ExitS_01"));
    SetPictureCopies(window, QStringLiteral("Mini"), QStringLiteral("MiniS_01"));

    // The Mode A page and language 1 start selected.
    SetPictureCopies(window, QStringLiteral("Main"), QStringLiteral("SetS_03"));
    SetPictureCopies(window, QStringLiteral("Lang1"), QStringLiteral("SetS_03"));
    for (const char* name : {"Second", "Adv", "Breath", "Macro", "Engineer", "Save", "Load", "Lang2", "Lang3"})
        SetPictureCopies(window, QLatin1String(name), QStringLiteral("SetS_01"));

    for (int k = 1; k <= 9; ++k)
        Picture(window, QStringLiteral("Img_Key%1").arg(k), QStringLiteral("KeyS_01"));
    SetPictureCopies(window, QStringLiteral("Web"), QStringLiteral("WebS_01"));
    Picture(window, QStringLiteral("Img_ComboKey1"), QStringLiteral("CbS_D"));
    Picture(window, QStringLiteral("Img_ComboKey2"), QStringLiteral("CbS_D"));

    for (const char* scale : {"Img_Spd1", "Img_DbSpd1", "Img_ScrSpd1"})
        Picture(window, QLatin1String(scale), QStringLiteral("Bar1_E"));
    for (int n = 1; n <= 7; ++n)
        Picture(window, QStringLiteral("Img_DPI%1_1").arg(n), QStringLiteral("Bar2_E"));
    Picture(window, QStringLiteral("Img_AIMKey_1"), QStringLiteral("Bar2_E"));
    for (int j = 2; j <= 11; ++j)
        Picture(window, QStringLiteral("Img_AIMKey_%1").arg(j), QStringLiteral("Bar2_D"));
    for (int n = 1; n <= 7; ++n)
        Picture(window, QStringLiteral("Img_DPI%1Col").arg(n), QStringLiteral("Col_F"));
    Picture(window, QStringLiteral("Img_MCULEDNum_1"), QStringLiteral("Bar1_E"));
    Picture(window, QStringLiteral("Img_MCULEDStep_1"), QStringLiteral("Bar1_E"));
    Picture(window, QStringLiteral("Img_Mode1Color"), QStringLiteral("Col_F"));
    Picture(window, QStringLiteral("Img_Mode2Color"), QStringLiteral("Col_F"));

    for (const char* off : {"LED_DelayTime", "LED_NoDelay", "Img_ReleaseContiue"})
        Picture(window, QLatin1String(off), QStringLiteral("RdS_D"));
    for (const char* on : {"LED_RecDelay", "Img_ReleaseStop"})
        Picture(window, QLatin1String(on), QStringLiteral("RdS_E"));

    for (const char* button : {"Img_New", "Img_Start", "Img_InsertStart"})
        Picture(window, QLatin1String(button), QStringLiteral("MacroS_01"));
    Picture(window, QStringLiteral("Img_OK"), QStringLiteral("MacroBtnS_01"));
    Picture(window, QStringLiteral("Img_Cancel"), QStringLiteral("MacroBtnS_01"));
    LoadRestingPictures(window);
}

void LoadRestingPictures(QWidget* window)
{
    // The marks and segments whose pictures the value display chooses start
    // off / unlit, so a page never shows an empty place before its values.
    for (int i = 2; i <= 11; ++i) {
        for (const char* scale : {"Img_Spd%1", "Img_DbSpd%1", "Img_ScrSpd%1"})
            Picture(window, QString::fromLatin1(scale).arg(i), QStringLiteral("Bar1_D"));
        for (int n = 1; n <= 7; ++n)
            Picture(window, QStringLiteral("Img_DPI%1_%2").arg(n).arg(i), QStringLiteral("Bar2_D"));
    }
    for (int j = 2; j <= 10; ++j) {
        Picture(window, QStringLiteral("Img_MCULEDNum_%1").arg(j), QStringLiteral("Bar1_D"));
        if (j <= 8)
            Picture(window, QStringLiteral("Img_MCULEDStep_%1").arg(j), QStringLiteral("Bar1_D"));
    }
    for (int n = 1; n <= 7; ++n) {
        Picture(window, QStringLiteral("Img_DPI%1").arg(n), QStringLiteral("CbS_D"));
        Picture(window, QStringLiteral("Img_MCULEDMode%1").arg(n), QStringLiteral("RdS_D"));
    }
    for (const char* mark : {"Img_IsControl", "Img_IsScreen"})
        Picture(window, QLatin1String(mark), QStringLiteral("CbS_D"));
    for (const char* mark : {"Img_LEDOn", "Img_LEDOff", "Img_MCPIOn", "Img_MCPIOff", "Img_LCPIOn", "Img_LCPIOff",
                             "Img_SaveKeyMode", "Img_NoSaveKeyMode", "LED_InsertRecDelay", "LED_InsertDelayTime",
                             "LED_InsertNoDelay"})
        Picture(window, QLatin1String(mark), QStringLiteral("RdS_D"));
}

void LoadGeneralSection(QWidget* window, SkinLayout& skin)
{
    const LayoutSection general = LoadLayoutSection(0);
    ReadGeneralSection(general, skin);
    for (int copy = 1; copy <= 4; ++copy) {
        auto* picture = window->findChild<QWidget*>(QStringLiteral("Img_Web_%1").arg(copy));
        auto* label = window->findChild<QWidget*>(QStringLiteral("Btn_Web_%1").arg(copy));
        if (!picture || !label)
            continue;
        picture->move(skin.webX, skin.webY);
        label->setGeometry(skin.webX, skin.webY, picture->width(), picture->height());
    }
}

void ApplySkinLayout(QWidget* window, int languageNumber, CurrentPage page, SkinLayout& skin)
{
    for (int copy = 1; copy <= 4; ++copy)
        Picture(window, QStringLiteral("Img_Base_%1").arg(copy), QStringLiteral("L%1_BackGround").arg(languageNumber));
    LoadPagePanel(window, languageNumber, page);

    const LayoutSection variant = LoadLayoutSection(languageNumber);
    SkinPlacer placer(window, variant);
    ApplyWindowButtonGroups(placer);
    ApplyMainPageGroup(placer);
    ApplyMenuGroup(placer);
    ApplyAdvancedPageGroup(placer);
    ApplyLightPageGroup(placer, skin.numberOrder);
    ApplyMacroPageGroup(placer);
    ReadVariantValues(variant, skin);
}

}  // namespace orvex
