#include "ui/TermTable.h"

#include <QLocale>

#include <algorithm>

namespace orvex {
namespace {

// Ids 12, 95 .. 99 and 101 .. 142 (fire-macro colours and gun-key captions)
// are carried for firmware variants with a gun key; no control of this
// model shows them.
constexpr TTerm kTerms[] = {
    {0, "Mode A", "模式A"},
    {1, "Mode B", "模式B"},
    {2, "Advanced", "高级设置"},
    {3, "Breathing Light", "灯光控制"},
    {4, "Macro", "宏定义"},
    {5, "Engineer Mode", "工程模式"},
    {6, "Load", "加载配置"},
    {7, "Save", "保存配置"},
    {8, "Test Keys Position", "测试按键位置"},
    {9, "Default", "恢复默认值"},
    {10, "Apply", "写入设备"},
    {11, "Import Base Macro", "导入普通宏"},
    {12, "Import Fire Macro", "导入压枪宏"},
    {13, "Operation", "操作人员界面"},
    {14, "Engineer", "工程人员界面"},
    {15, "LED Type", "LED类型"},
    {16, "Nor LED", "智控灯"},
    {17, "MCU LED", "流光灯"},
    {18, "LED Status", "LED工作状态"},
    {19, "On", "打开"},
    {20, "Off", "关闭"},
    {21, "LED Switch(M+CPI)", "LED灯开关切换(M+CPI)"},
    {22, "Fire Function", "压枪功能"},
    {23, "Fn+Left Key", "Fn+左键"},
    {24, "Left Key", "左键"},
    {25, "Fire Mode", "连击模式"},
    {26, "Fire Count:", "连击次数:"},
    {27, "Fire Time:", "间隔时间:"},
    {28, "LED Mode(L+CPI)", "LED灯模式切换(L+CPI)"},
    {29, "MCU LED Control Mode", "MCU LED灯扫描方式"},
    {30, "3-Line Scan", "流光增亮版"},
    {31, "6-Line Scan", "流光多点版"},
    {32, "Nor LED Mode", "智控灯工作模式"},
    {33, "CPI Breath", "CPI呼吸"},
    {34, "Nor LED Breath Setting", "智控灯效配置"},
    {35, "Breath Step:", "呼吸速率:"},
    {36, "Nor LED CPI Color Setting", "智控灯各档CPI对应颜色设定"},
    {37, "Red", "红色"},
    {38, "Green", "绿色"},
    {39, "Yellow", "黄色"},
    {40, "Blue", "蓝色"},
    {41, "Purple", "紫色"},
    {42, "Cyan", "青色"},
    {43, "White", "白色"},
    {44, "MCU LED CPI Color Setting", "MCU LED灯各档CPI对应颜色设定"},
    {45, "Vendor ID:", "厂商编码:"},
    {46, "Product ID:", "产品编码:"},
    {47, "MCU LED Setting", "MCU LED灯工作模式"},
    {48, "LED Number:", "灯数量:"},
    {49, "Current Mode:", "当前模式:"},
    {50, "Mode 1", "模式1"},
    {51, "Mode 2", "模式2"},
    {52, "Mode 3", "模式3"},
    {53, "Mode 4", "模式4"},
    {54, "Mode 5", "模式5"},
    {55, "Mode 6", "模式6"},
    {56, "Mode 7", "模式7"},
    {57, "LED Step:", "当前速率:"},
    {58, "Key Mode Color Setting", "各档按键模式对应颜色设定"},
    {59, "Mode1 R:", "模式1 R:"},
    {60, "Mode1 G:", "模式1 G:"},
    {61, "Mode1 B::", "模式1 B:"},
    {62, "Mode2 R:", "模式2 R:"},
    {63, "Mode2 G:", "模式2 G:"},
    {64, "Mode2 B:", "模式2 B:"},
    {65, "Switch Key Mode", "按键模式切换方式"},
    {66, "Press Middle Key", "中键长按"},
    {67, "Press CPI Key", "CPI长按"},
    {68, "Press Gun Key", "枪键长按"},
    {69, "Is Save Key Mode", "是否保存按键模式"},
    {70, "Save", "保存"},
    {71, "No Save", "不保存"},
    {72, "Sensor Ori:", "Sensor角度:"},
    {73, "0°", "0°"},
    {74, "90°", "90°"},
    {75, "180°", "180°"},
    {76, "270°", "270°"},
    {77, "X Reverse", "X镜面反向"},
    {78, "Y Reverse", "Y镜面反向"},
    {79, "XY Swap XY Reverse", "XY互换XY取反"},
    {80, "XY Swap XY NoReverse", "XY互换XY不取反"},
    {81, "CPI", "CPI"},
    {82, "CPI Steps:", "CPI段数:"},
    {83, "Current CPI:", "当前档位:"},
    {84, "CPI 1:", "CPI 1值:"},
    {85, "CPI 2:", "CPI 2值:"},
    {86, "CPI 3:", "CPI 3值:"},
    {87, "CPI 4:", "CPI 4值:"},
    {88, "CPI 5:", "CPI 5值:"},
    {89, "CPI 6:", "CPI 6值:"},
    {90, "CPI 7:", "CPI 7值:"},
    {91, "AIM Key:", "瞄准键键值:"},
    {92, "Key Mode:", "按键模式:"},
    {93, "Mode A", "模式A"},
    {94, "Mode B", "模式B"},
    {95, "Gun Key", "枪键"},
    {96, "Gun Key Function", "枪键功能"},
    {97, "Gun Key On", "枪键打开"},
    {98, "Gun Key Off", "枪键关闭"},
    {99, "Gun Key Mode:", "枪键模式:"},
    {100, "MCU LED Mode Select", "MCU LED工作模式选择"},
    {101, "Fire Macro Color Setting", "压枪宏颜色设定"},
    {102, "Fire Macro 1 Color:", "压枪宏1颜色:"},
    {103, "Fire Macro 2 Color:", "压枪宏2颜色:"},
    {104, "Fire Macro 3 Color:", "压枪宏3颜色:"},
    {105, "Fire Macro 4 Color:", "压枪宏4颜色:"},
    {106, "Fire Macro 5 Color:", "压枪宏5颜色:"},
    {107, "Fire Macro 6 Color:", "压枪宏6颜色:"},
    {108, "Fire Macro 7 Color:", "压枪宏7颜色:"},
    {109, "Red", "红色"},
    {110, "Green", "绿色"},
    {111, "Yellow", "黄色"},
    {112, "Blue", "蓝色"},
    {113, "Purple", "紫色"},
    {114, "Cyan", "青色"},
    {115, "White", "白色"},
    {116, "Gun Key Setting", "枪键设定"},
    {117, "Gun Key Color:", "枪键颜色:"},
    {118, "Gun Key 1:", "枪键1:"},
    {119, "Gun Key 2:", "枪键2:"},
    {120, "Gun Key 3:", "枪键3:"},
    {121, "Gun Key 4:", "枪键4:"},
    {122, "Gun Key 5:", "枪键5:"},
    {123, "Gun Key 6:", "枪键6:"},
    {124, "Gun Key 7:", "枪键7:"},
    {125, "Gun Key Fire Count:", "枪键连击次数:"},
    {126, "Gun Key Fire Time:", "枪键间隔时间:"},
    {127, "Gun Key LED", "枪键指示灯"},
    {128, "Gun Key LED On", "枪键指示灯打开"},
    {129, "Gun Key LED Off", "枪键指示灯关闭"},
    {130, "Fire Macro Off", "压枪宏关闭"},
    {131, "Fire Macro 1", "压枪宏1"},
    {132, "Fire Macro 2", "压枪宏2"},
    {133, "Fire Macro 3", "压枪宏3"},
    {134, "Fire Macro 4", "压枪宏4"},
    {135, "Fire Macro 5", "压枪宏5"},
    {136, "Fire Macro 6", "压枪宏6"},
    {137, "Fire Macro 7", "压枪宏7"},
    {138, "Current Fire Macro:", "当前压枪宏:"},
    {139, "Fire Macro Breath", "压枪宏呼吸"},
    {140, "Fire Macro Steady", "压枪宏常亮"},
    {141, "Gun Key Switch Mode", "枪键切换模式"},
    {142, "Gun Key Press Time:", "枪键长按时间:"},
    {143, "Notes: ", "注释: "},
};

}  // namespace

std::span<const TTerm> TermTable()
{
    return kTerms;
}

QString TermText(int id, TermLanguage language)
{
    const auto* term = std::find_if(std::begin(kTerms), std::end(kTerms),
                                    [id](const TTerm& entry) { return entry.id == id; });
    if (term == std::end(kTerms))
        return QString();
    return QString::fromUtf8(language == TermLanguage::Chinese ? term->chinese : term->english);
}

TermLanguage TermLanguageForLocale(const QLocale& locale)
{
    const bool chineseChina =
        locale.language() == QLocale::Chinese && locale.territory() == QLocale::China;
    return chineseChina ? TermLanguage::Chinese : TermLanguage::English;
}

}  // namespace orvex
