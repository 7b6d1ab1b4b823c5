#include "keys/FunctionMenus.h"

#include <QFrame>
#include <QListWidget>

#include "ui/SkinLabel.h"

namespace orvex {

const QList<FunctionMenuPanel>& FunctionMenuPanels()
{
    static const QList<FunctionMenuPanel> panels{
        {"Pnl_Main",
         {{"Key_Standard", "ST_Standard"}, {"Key_Special", "ST_Special"}, {"Key_Media", "ST_Media"},
          {"Key_WWW", "ST_WWW"}, {"Key_MyPC", "ST_MyPC"}, {"Key_Assembly", nullptr},
          {"Key_Macro", "ST_Macro"}}},
        {"Pnl_MseKey",
         {{"Key_Left", nullptr}, {"Key_Right", nullptr}, {"Key_Middle", nullptr},
          {"Key_B4", nullptr}, {"Key_B5", nullptr}}},
        {"Pnl_Special",
         {{"Key_CPIKey", "ST_CPIKey"}, {"Key_Fire", nullptr}, {"Key_LEDMode", nullptr},
          {"Key_LEDSwitch", nullptr}, {"Key_AIMKey", nullptr}, {"Key_KeyMode", nullptr},
          {"Key_KeyOff", nullptr}}},
        {"Pnl_CPIKey", {{"Key_CPI", nullptr}, {"Key_CPII", nullptr}, {"Key_CPID", nullptr}}},
        {"Pnl_Media",
         {{"Key_PlayPause", nullptr}, {"Key_Stop", nullptr}, {"Key_PreviousTrack", nullptr},
          {"Key_NextTrack", nullptr}, {"Key_VolumePlus", nullptr}, {"Key_VolumeMinus", nullptr},
          {"Key_Mute", nullptr}}},
        {"Pnl_WWW",
         {{"Key_WWWHome", nullptr}, {"Key_WWWSearch", nullptr}, {"Key_WWWBack", nullptr},
          {"Key_WWWForward", nullptr}, {"Key_WWWStop", nullptr}, {"Key_WWWRefresh", nullptr},
          {"Key_WWWFavorites", nullptr}}},
        {"Pnl_MyPC",
         {{"Key_Computer", nullptr}, {"Key_Calculator", nullptr}, {"Key_EMail", nullptr},
          {"Key_Desktop", nullptr}}},
    };
    return panels;
}

void CreateFunctionMenus(QWidget* window)
{
    constexpr int kEntryHeight = 24;
    for (const FunctionMenuPanel& spec : FunctionMenuPanels()) {
        auto* panel = new QFrame(window);
        panel->setObjectName(QString::fromLatin1(spec.panel));
        panel->setFrameShape(QFrame::Box);
        panel->setAutoFillBackground(true);
        panel->hide();
        int y = 2;
        for (const FunctionMenuEntry& entry : spec.entries) {
            auto* item = new SkinLabel(QString::fromLatin1(entry.item), panel);
            item->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            item->setGeometry(2, y, 150, kEntryHeight);
            if (entry.arrow) {
                auto* arrow = new SkinLabel(QString::fromLatin1(entry.arrow), panel);
                arrow->setText(QStringLiteral(">>"));
                arrow->setGeometry(130, y, 22, kEntryHeight);
            }
            y += kEntryHeight;
        }
        panel->resize(154, y + 2);
    }
    auto* macroList = new QListWidget(window);
    macroList->setObjectName(QStringLiteral("LB_Name"));
    macroList->hide();
}

}  // namespace orvex
