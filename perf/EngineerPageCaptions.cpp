// The texts of the engineer page: captions from the engineer caption table,
// combo items, the page font and the hint texts.

#include "perf/EngineerPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "perf/EngineerPageLayout.h"

namespace orvex {
namespace {

struct Caption {
    const char* control;
    int termId;
};

// Which control shows which entry of the engineer caption table.
constexpr Caption kCaptions[] = {
    {"Btn_Main_6", 0},
    {"Btn_Switch_6", 1},
    {"Btn_Adv_6", 2},
    {"Btn_Breath_6", 3},
    {"Btn_Macro_6", 4},
    {"Btn_Engineer_6", 5},
    {"Btn_Load_6", 6},
    {"Btn_Save_6", 7},
    {"btn_TestKeys", 8},
    {"Btn_Default", 9},
    {"btn_Write", 10},
    {"Btn_ImportBaseMacro", 11},
    {"ts_Operator", 13},
    {"ts_Engineer", 14},
    {"gbLEDType", 15},
    {"rb_NorLED", 16},
    {"rb_MCULED", 17},
    {"gbLEDStatus", 18},
    {"rb_LEDOn", 19},
    {"rb_MCPIOn", 19},
    {"rb_LCPIOn", 19},
    {"rb_LEDOff", 20},
    {"rb_MCPIOff", 20},
    {"rb_LCPIOff", 20},
    {"gbMCPI", 21},
    {"gbFireFn", 22},
    {"rb_FireFnOn", 23},
    {"rb_FireFnOff", 24},
    {"gbFireMode", 25},
    {"lbl_FireCount", 26},
    {"lbl_FireTime", 27},
    {"gbLCPI", 28},
    {"gbMCULEDControlMode", 29},
    {"rb_MCULED3Control", 30},
    {"rb_MCULED6Control", 31},
    {"gbNorLEDMode", 32},
    {"rb_NorLEDCPI", 33},
    {"gbNorLEDSetting", 34},
    {"lbl_NorLEDStep", 35},
    {"gbNorLEDCPIColor", 36},
    {"gbMCULEDCPIColor", 44},
    {"lbl_VendorID", 45},
    {"lbl_VendorID_Rd", 45},
    {"lbl_ProductID", 46},
    {"lbl_ProductID_Rd", 46},
    {"gbMCULEDCurrent", 47},
    {"lbl_MCULEDNum", 48},
    {"lbl_MCULEDCrtMode", 49},
    {"cb_Mode1", 50},
    {"cb_Mode2", 51},
    {"cb_Mode3", 52},
    {"cb_Mode4", 53},
    {"cb_Mode5", 54},
    {"cb_Mode6", 55},
    {"cb_Mode7", 56},
    {"lbl_MCULEDCrtStep", 57},
    {"gbKeyModeColor", 58},
    {"lbl_KeyMode1R", 59},
    {"lbl_KeyMode1G", 60},
    {"lbl_KeyMode1B", 61},
    {"lbl_KeyMode2R", 62},
    {"lbl_KeyMode2G", 63},
    {"lbl_KeyMode2B", 64},
    {"gbSwitchFn", 65},
    {"cb_MidPress", 66},
    {"cb_CPIPress", 67},
    {"cb_GunPress", 68},
    {"gbSaveKeyMode", 69},
    {"rb_Save", 70},
    {"rb_NoSave", 71},
    {"lbl_SensorOri", 72},
    {"gbCPI", 81},
    {"lbl_CPIStep", 82},
    {"lbl_CurrentCPI", 83},
    {"lbl_CPI1", 84},
    {"lbl_CPI2", 85},
    {"lbl_CPI3", 86},
    {"lbl_CPI4", 87},
    {"lbl_CPI5", 88},
    {"lbl_CPI6", 89},
    {"lbl_CPI7", 90},
    {"lbl_TLAIMKey", 91},
    {"lbl_KeyMode", 92},
    {"gbKeyMode1", 93},
    {"gbKeyMode2", 94},
    {"gbMCULEDMode", 100},
    {"lbl_Notes", 143},
};

struct ComboItems {
    const char* combo;
    int firstTermId;
    int count;
};

// Combo boxes whose items are consecutive entries of the caption table.
constexpr ComboItems kComboItems[] = {
    {"cb_CPI1Color", 37, 7}, {"cb_CPI2Color", 37, 7}, {"cb_CPI3Color", 37, 7}, {"cb_CPI4Color", 37, 7},
    {"cb_CPI5Color", 37, 7}, {"cb_CPI6Color", 37, 7}, {"cb_CPI7Color", 37, 7}, {"cb_MCULEDCurrentMode", 50, 7},
    {"cb_SensorOri", 73, 8}, {"cb_KeyMode", 93, 2},
};

constexpr int kFirstModeNameTerm = 50;

// The second choice of the simple LED's breathing mode has no entry in the
// caption table; its texts are the ones the mode's hint uses.
constexpr struct {
    const char* control;
    const char* english;
    const char* chinese;
} kCaptionsOutsideTable[] = {
    {"rb_NorLEDCustom", "Custom Color", "颜色自定义"},
};

struct Hint {
    const char* control;
    const char* text;
};

// The hint of a group box covers the group and every control in it; a
// control's own hint is applied after the groups, so it wins.
constexpr Hint kHints[] = {
    {"gbFireFn", "通过参数的选择，‘打开’时使能枪键，也可以调整Y轴参数；‘关闭’时只能调整Y轴参数。"},
    {"lbl_KeyMode",
     "本方案支援两组按键模式，在“是否保存按键模式”为保存时，鼠标会记忆当前按键模式；在“是否保存按键模式”为不保存时，鼠标一直为按键模式A。"},
    {"cb_KeyMode",
     "本方案支援两组按键模式，在“是否保存按键模式”为保存时，鼠标会记忆当前按键模式；在“是否保存按键模式”为不保存时，鼠标一直为按键模式A。"},
    {"lbl_SensorOri", "本方案支持Sensor方向选择，请根据鼠标硬件设计时的实际情况选取；鼠标光标才会正确移动。"},
    {"cb_SensorOri", "本方案支持Sensor方向选择，请根据鼠标硬件设计时的实际情况选取；鼠标光标才会正确移动。"},
    {"lbl_VendorID",
     "厂商编码为方案供应商分配给工厂的编号；产品编码是工厂为同一方案，不同硬件设计的鼠标自行分配编码。用于工厂在同款AP软件，可以分别识别不同的鼠标款式，避免用户在任意一款同方案的AP去设定不同硬件的鼠标出错。255为默认（通用）编号。"},
    {"lbl_ProductID",
     "厂商编码为方案供应商分配给工厂的编号；产品编码是工厂为同一方案，不同硬件设计的鼠标自行分配编码。用于工厂在同款AP软件，可以分别识别不同的鼠标款式，避免用户在任意一款同方案的AP去设定不同硬件的鼠标出错。255为默认（通用）编号。"},
    {"edt_VendorID",
     "厂商编码为方案供应商分配给工厂的编号；产品编码是工厂为同一方案，不同硬件设计的鼠标自行分配编码。用于工厂在同款AP软件，可以分别识别不同的鼠标款式，避免用户在任意一款同方案的AP去设定不同硬件的鼠标出错。255为默认（通用）编号。"},
    {"edt_ProductID",
     "厂商编码为方案供应商分配给工厂的编号；产品编码是工厂为同一方案，不同硬件设计的鼠标自行分配编码。用于工厂在同款AP软件，可以分别识别不同的鼠标款式，避免用户在任意一款同方案的AP去设定不同硬件的鼠标出错。255为默认（通用）编号。"},
    {"lbl_TLAIMKey", "本方案支持11档瞄准键键值选择。"},
    {"cb_AIMKeyValue", "本方案支持11档瞄准键键值选择。"},
    {"gbMCULEDControlMode", "MCU LED灯有两种扫描方式，分别为：流光增亮版和流光多点版，用户可根据实际使用状况进行选择。"},
    {"gbMCPI",
     "通过参数的选择，控制LED灯开关切换模式功能是否打开，并通过‘中键+CPI循环’/‘中键+CPI+’/‘中键+CPI-’进行切换。"},
    {"gbLEDStatus", "通过参数的选择，控制按键闪灯亮灭的功能。"},
    {"gbSwitchFn", "按键模式切换方式包括：中键长按/CPI长按/枪键长按，用户可根据自己的需求进行选择。"},
    {"gbSaveKeyMode", "通过参数的选择，‘保存’时鼠标上电后使用记忆的按键模式；‘不保存’时鼠标上电后为按键模式1。"},
    {"gbMCULEDCPIColor", "MCU LED各档CPI对应颜色参数设定，用户通过颜色R/G/B值参数设定，控制MCU LED各档CPI颜色。"},
    {"gbFireMode",
     "本方案可设定1组连击键参数，分别设定连击键的连击次数和每次连击的间隔时间。设定完连击参数后，需在按键键值表具体按键位置中，选定连击键参数。"},
    {"gbCPI",
     "本方案支持2-7档变速，CPI值可选择任意一档CPI。当前CPI档位选定并写入设备后，则鼠标工作在当前设定档位的CPI。"},
    {"gbKeyModeColor",
     "本方案支援两种按键模式，可通过对两种按键模式颜色参数R/G/B值的设定，在硬件切换按键模式时，会闪烁3秒，以告诉用户按键的当前模式。"},
    {"gbMCULEDCurrent", "MCU LED等工作模式参数的设定。"},
    {"gbLCPI", "通过‘打开’和‘关闭’选项的选择，控制LED灯切换模式功能是否打开，并通过‘左键+CPI键’进行快捷切换。"},
    {"gbNorLEDSetting", "智控灯灯效配置参数的设定，通过呼吸速率时间参数的设定，控制智控灯灯效显示。"},
    {"gbKeyMode1", "按键模式A鼠标按键参数设定，用户可根据自己的使用情况，选择不同的按键参数。"},
    {"gbKeyMode2", "按键模式B鼠标按键参数设定，用户可根据自己的使用情况，选择不同的按键参数。"},
    {"gbLEDType",
     "本方案灯光控制支持智控灯和MCU LED，请根据鼠标硬件设计时的实际情况，选取智控灯或MCU LED，程序才会正确的控制。"},
    {"gbNorLEDCPIColor", "智控灯各档CPI对应颜色参数设定，共计有7种灯效供用户选择。"},
    {"gbNorLEDMode", "智控灯有两种呼吸模式：CPI呼吸/颜色自定义。用户可根据自己的喜好进行设定。"},
    {"btn_TestKeys",
     "按此按钮5秒内，再按鼠标的任意按键，则软件上对应的鼠标真实硬件按键位置将会闪烁，让工厂容易知道鼠标的各个按键对应的硬件位置。"},
    {"Btn_ImportBaseMacro", "导入外部已存在的普通宏定义内容的Bin档。"},
};

// The family of the page's own texts, in both languages. Linux has no such
// font; the font database falls back to the system sans, which is fine.
const QString kPageFontFamily = QStringLiteral("MS Sans Serif");

void SetCaption(QWidget* page, const char* controlName, const QString& text)
{
    const QString name = QString::fromLatin1(controlName);
    QWidget* control = EngineerControl<QWidget>(page, name);
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else {
        // A tab sheet: the caption is the notebook's tab text.
        auto* notebook = EngineerControl<QTabWidget>(page, QStringLiteral("Pg_Parameter"));
        notebook->setTabText(notebook->indexOf(control), text);
    }
}

bool BearsText(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget)
           || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
           || qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QTabWidget*>(widget);
}

void SetPageFont(QWidget* page)
{
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!BearsText(widget))
            continue;
        QFont font = widget->font();
        font.setFamily(kPageFontFamily);
        widget->setFont(font);
    }
}

void SetHints(QWidget* page)
{
    for (const bool groups : {true, false}) {
        for (const Hint& hint : kHints) {
            QWidget* control = EngineerControl<QWidget>(page, QString::fromLatin1(hint.control));
            const bool isGroup = qobject_cast<QGroupBox*>(control) != nullptr;
            if (isGroup != groups)
                continue;
            const QString text = QString::fromUtf8(hint.text);
            control->setToolTip(text);
            if (isGroup) {
                for (QWidget* child : control->findChildren<QWidget*>())
                    child->setToolTip(text);
            }
        }
    }
}

}  // namespace

void EngineerPage::ApplyEngineerCaptions(TermLanguage language)
{
    ++m_quiet;
    SetPageFont(this);
    for (const Caption& caption : kCaptions)
        SetCaption(this, caption.control, TermText(caption.termId, language));
    for (const auto& caption : kCaptionsOutsideTable)
        SetCaption(this, caption.control,
                   QString::fromUtf8(language == TermLanguage::Chinese ? caption.chinese : caption.english));

    for (int mode = 0; mode < kMcuLedModeCount; ++mode)
        m_modeNames[mode] = TermText(kFirstModeNameTerm + mode, language);
    for (const ComboItems& items : kComboItems) {
        auto* combo = EngineerControl<QComboBox>(this, QString::fromLatin1(items.combo));
        combo->clear();
        for (int id = items.firstTermId; id < items.firstTermId + items.count; ++id)
            combo->addItem(TermText(id, language));
    }
    SetHints(this);
    --m_quiet;
}

}  // namespace orvex
