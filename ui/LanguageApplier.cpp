#include "ui/LanguageApplier.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QWidget>

#include "keys/FunctionMenus.h"

namespace orvex {
namespace {

struct Caption {
    const char* control;
    const char* key;
};

// The captions of the buttons every page copy carries (suffix _1 .. _4).
constexpr Caption kCopyCaptions[] = {
    {"Btn_Confirm", "Str000"}, {"Btn_Apply", "Str001"},  {"Btn_Read", "Str017"},
    {"Btn_Confirm1", "Str002"}, {"Btn_Confirm2", "Str015"}, {"Btn_Confirm3", "Str016"},
    {"Btn_Main", "Str004"},    {"Btn_Second", "Str005"}, {"Btn_Adv", "Str007"},
    {"Btn_Breath", "Str008"},  {"Btn_Macro", "Str014"},  {"Btn_Save", "Str009"},
    {"Btn_Load", "Str010"},    {"Btn_Lang1", "Str011"},  {"Btn_Lang2", "Str012"},
    {"Btn_Lang3", "Str013"},
};

// The function-menu entries: a blank, the marker Str200, a blank, the text.
constexpr Caption kMenuCaptions[] = {
    {"Key_Standard", "Str201"}, {"Key_Special", "Str202"}, {"Key_Media", "Str203"},
    {"Key_WWW", "Str204"},      {"Key_Assembly", "Str205"}, {"Key_Macro", "Str206"},
    {"Key_MyPC", "Str207"},     {"Key_Left", "Str210"},     {"Key_Right", "Str211"},
    {"Key_Middle", "Str212"},   {"Key_B4", "Str213"},       {"Key_B5", "Str214"},
    {"Key_Fire", "Str220"},     {"Key_AIMKey", "Str222"},   {"Key_LEDMode", "Str226"},
    {"Key_LEDSwitch", "Str221"}, {"Key_KeyMode", "Str225"}, {"Key_KeyOff", "Str224"},
    {"Key_CPIKey", "Str230"},   {"Key_CPI", "Str231"},      {"Key_CPII", "Str232"},
    {"Key_CPID", "Str233"},     {"Key_Computer", "Str240"}, {"Key_Calculator", "Str241"},
    {"Key_EMail", "Str242"},    {"Key_Desktop", "Str243"},  {"Key_PlayPause", "Str250"},
    {"Key_Stop", "Str251"},     {"Key_PreviousTrack", "Str252"}, {"Key_NextTrack", "Str253"},
    {"Key_VolumePlus", "Str254"}, {"Key_VolumeMinus", "Str255"}, {"Key_Mute", "Str256"},
    {"Key_WWWHome", "Str260"},  {"Key_WWWSearch", "Str261"}, {"Key_WWWBack", "Str262"},
    {"Key_WWWForward", "Str263"}, {"Key_WWWStop", "Str264"}, {"Key_WWWRefresh", "Str265"},
    {"Key_WWWFavorites", "Str266"},
};

constexpr Caption kMacroPageCaptions[] = {
    {"Btn_NewName", "Str402"},   {"Btn_New", "Str432"},      {"Btn_Start", "Str400"},
    {"Btn_ExportOne", "Str404"}, {"Btn_Export", "Str405"},   {"Btn_ImportOne", "Str406"},
    {"Btn_Import", "Str407"},    {"Btn_Edit", "Str435"},     {"Btn_Del", "Str408"},
    {"Btn_Insert", "Str409"},    {"Btn_NewMacro", "Str432"}, {"Btn_DelPCMacro", "Str433"},
    {"lbl_Delay", "Str417"},     {"lbl_s_A", "Str418"},      {"lbl_XAxisValue", "Str444"},
    {"lbl_YAxisValue", "Str445"}, {"lbl_Repeat", "Str448"},  {"Btn_InsertStart", "Str400"},
    {"Btn_OK", "Str420"},        {"Btn_Cancel", "Str422"},
};

// Option labels whose marks sit inside the label: seven blanks, then the text.
constexpr Caption kOptionCaptions[] = {
    {"IB_InsertRecDelay", "Str414"}, {"IB_InsertDelayTime", "Str415"}, {"IB_InsertNoDelay", "Str416"},
};

constexpr const char* kInsertActions[] = {"Str410", "Str411", "Str412", "Str413", "Str446",
                                          "Str447", "Str440", "Str441", "Str442", "Str443"};

// The controls whose font family is the language's.
QStringList FontControls(QWidget* window)
{
    QStringList names;
    const char* const copied[] = {"Btn_Confirm_", "Btn_Apply_", "Btn_Read_", "Btn_Confirm1_", "Btn_Confirm2_",
                                  "Btn_Confirm3_", "Btn_Main_", "Btn_Second_", "Btn_Adv_", "Btn_Breath_",
                                  "Btn_Macro_", "Btn_Engineer_", "Btn_Save_", "Btn_Load_", "Btn_Lang1_",
                                  "Btn_Lang2_", "Btn_Lang3_"};
    for (const char* name : copied) {
        for (int copy = 1; copy <= 4; ++copy)
            names << QLatin1String(name) + QString::number(copy);
    }
    for (int k = 1; k <= 9; ++k)
        names << QStringLiteral("Key%1").arg(k);
    names << QStringLiteral("IB_ComboKey1") << QStringLiteral("IB_ComboKey2") << QStringLiteral("LB_Name")
          << QStringLiteral("Edt_Repeat1") << QStringLiteral("Edt_DelayTime1");
    for (const FunctionMenuPanel& panel : FunctionMenuPanels()) {
        for (const FunctionMenuEntry& entry : panel.entries) {
            names << QLatin1String(entry.item);
            if (entry.arrow)
                names << QLatin1String(entry.arrow);
        }
    }
    for (int i = 1; i <= 11; ++i)
        names << QStringLiteral("lbl_Spd%1").arg(i) << QStringLiteral("lbl_DbSpd%1").arg(i)
              << QStringLiteral("lbl_ScrSpd%1").arg(i);
    for (int n = 1; n <= 7; ++n)
        names << QStringLiteral("lbl_DPI%1").arg(n) << QStringLiteral("lbl_DPI%1Value").arg(n);
    names << QStringLiteral("lbl_AIMKey") << QStringLiteral("lbl_AIMKeyValue");
    for (int j = 1; j <= 8; ++j)
        names << QStringLiteral("lbl_MCULEDStep_%1").arg(j);
    for (int j = 1; j <= 10; ++j)
        names << QStringLiteral("lbl_MCULEDNum_%1").arg(j);
    for (const Caption& c : kMacroPageCaptions)
        names << QLatin1String(c.control);
    for (const Caption& c : kOptionCaptions)
        names << QLatin1String(c.control);
    names << QStringLiteral("Edt_Delay") << QStringLiteral("Edt_InsertDelay") << QStringLiteral("edt_Repeat")
          << QStringLiteral("edt_XAxisValue") << QStringLiteral("edt_YAxisValue") << QStringLiteral("CB_Insert")
          << QStringLiteral("LB_PCMacroName") << QStringLiteral("LB_MacroName") << QStringLiteral("LB_macro");
    return names;
}

}  // namespace

QStringList FontFamiliesFor(const QString& fontName)
{
    return {fontName, QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
            QStringLiteral("DejaVu Sans")};
}

QString TranslatedCaption(const QString& caption, const LanguageTable& language,
                          const LanguageTables& allLanguages)
{
    const QString key = FindTextId(caption, allLanguages);
    return key.isEmpty() ? caption : language.text(key);
}

void ApplyLanguage(QWidget* window, const LanguageTable& language, const LanguageTables& allLanguages)
{
    QHash<QString, QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        controls.insert(w->objectName(), w);

    const QStringList families = FontFamiliesFor(language.fontName());
    for (const QString& name : FontControls(window)) {
        if (QWidget* w = controls.value(name)) {
            QFont font = w->font();
            font.setFamilies(families);
            w->setFont(font);
        }
    }

    const auto caption = [&](const QString& name, const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(controls.value(name)))
            label->setText(text);
    };
    for (int copy = 1; copy <= 4; ++copy) {
        for (const Caption& c : kCopyCaptions)
            caption(QStringLiteral("%1_%2").arg(QLatin1String(c.control)).arg(copy), language.text(QLatin1String(c.key)));
        caption(QStringLiteral("Btn_Engineer_%1").arg(copy), QStringLiteral("Engineer"));
    }
    for (int k = 1; k <= 9; ++k) {
        if (auto* label = qobject_cast<QLabel*>(controls.value(QStringLiteral("Key%1").arg(k))))
            label->setText(TranslatedCaption(label->text(), language, allLanguages));
    }
    caption(QStringLiteral("IB_ComboKey1"), QStringLiteral("     ") + language.text(QStringLiteral("Str700")));
    caption(QStringLiteral("IB_ComboKey2"), QStringLiteral("     ") + language.text(QStringLiteral("Str701")));

    const QString marker = QLatin1Char(' ') + language.text(QStringLiteral("Str200")) + QLatin1Char(' ');
    for (const Caption& c : kMenuCaptions)
        caption(QLatin1String(c.control), marker + language.text(QLatin1String(c.key)));
    for (const Caption& c : kMacroPageCaptions)
        caption(QLatin1String(c.control), language.text(QLatin1String(c.key)));
    if (auto* actions = qobject_cast<QComboBox*>(controls.value(QStringLiteral("CB_Insert")))) {
        // Replaced in place: the entries' positions are their meaning.
        for (int i = 0; i < int(std::size(kInsertActions)) && i < actions->count(); ++i)
            actions->setItemText(i, language.text(QLatin1String(kInsertActions[i])));
    }
    for (const Caption& c : kOptionCaptions)
        caption(QLatin1String(c.control), QStringLiteral("       ") + language.text(QLatin1String(c.key)));
}

}  // namespace orvex
