#include "tools/skin/PanelPictures.h"

#include "tools/skin/Shapes.h"

#include <vector>

namespace orvex::skin {
namespace {

using namespace colour;

enum class Role {
    Heading,  // title of a control group, with an accent tick and a rule
    Label,    // caption beside a control
    Hint,     // small explanatory line
    Symbol,   // the - and + at the ends of a scale
};

struct Printed {
    QRectF box;
    Role role;
    Words words;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// What is printed on one panel: group frames, texts, grooves behind segment
// scales and wells behind lists. Coordinates are panel pixels, i.e. page
// coordinates minus the panel's place (98, 128).
struct PanelSheet {
    std::vector<QRectF> groups;
    std::vector<Printed> texts;
    std::vector<QRectF> grooves;
    std::vector<QRectF> wells;
    std::vector<QLineF> rules;
};

constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr auto kCentre = Qt::AlignCenter;

// Advanced page: fire key (edits at page (264,170) and (264,202)), the three
// pointer scales at page x 150 with their checks at x 312, and the CPI level
// rows at page x 506..880, y 182..400.
PanelSheet AdvancedSheet()
{
    PanelSheet sheet;
    sheet.groups = {{14, 6, 370, 100}, {14, 114, 370, 254}, {394, 6, 394, 362}};
    sheet.texts = {
        {{28, 11, 340, 22}, Role::Heading, {"连击设置", "FIRE KEY"}},
        {{28, 42, 128, 22}, Role::Label, {"连击次数", "Shots"}, kRight},
        {{28, 74, 128, 22}, Role::Label, {"间隔时间", "Interval"}, kRight},
        {{236, 74, 80, 22}, Role::Hint, {"× 8 毫秒", "× 8 ms"}},
        {{28, 119, 340, 22}, Role::Heading, {"系统指针设置", "WINDOWS POINTER"}},
        {{52, 148, 150, 20}, Role::Label, {"指针速度", "Pointer Speed"}},
        {{236, 148, 140, 20}, Role::Label, {"提高指针精确度", "Acceleration"}},
        {{52, 222, 150, 20}, Role::Label, {"双击速度", "Double-Click Speed"}},
        {{52, 296, 150, 20}, Role::Label, {"滚轮速度", "Wheel Scroll"}},
        {{236, 296, 140, 20}, Role::Label, {"一次滚动一屏", "One Screen"}},
        {{408, 11, 300, 22}, Role::Heading, {"CPI 档位", "CPI LEVELS"}},
        {{730, 13, 64, 18}, Role::Hint, {"灯色", "Colour"}, kCentre},
        {{408, 296, 372, 16}, Role::Hint, {"点击档位名称：增加或减少档位", "Click a level's name to add or remove levels"}},
        {{408, 314, 372, 16}, Role::Hint, {"点击方框：设为当前档位", "Tick a box to make that level current"}},
        {{408, 332, 372, 16}, Role::Hint, {"点击色块：设定该档位的灯光颜色", "Click a colour to set the level's light"}},
    };
    // The three pointer scales: segments at x 52..338, 18 high.
    for (const qreal y : {172.0, 246.0, 320.0}) {
        sheet.grooves.push_back({49, y - 2, 292, 22});
        sheet.texts.push_back({{26, y - 1, 20, 20}, Role::Symbol, {"−", "−"}, kCentre});
        sheet.texts.push_back({{344, y - 1, 20, 20}, Role::Symbol, {"+", "+"}, kCentre});
    }
    // CPI level bars: 11 segments of 20 at x 504, rows 40 apart from y 54.
    for (int row = 0; row < 6; ++row) {
        const qreal y = 54 + row * 40;
        sheet.grooves.push_back({501, y - 2, 226, 22});
        if (row < 5)
            sheet.rules.push_back({QPointF(404, y + 31.5), QPointF(736, y + 31.5)});
    }
    // The fire key edits at panel (166, 42) and (166, 74).
    sheet.wells = {{163, 39, 66, 28}, {163, 71, 66, 28}};
    return sheet;
}

// Lighting page: on/off options at page y 190 (x 240/340 and 544/643), L+CPI
// at y 254, modes at y 326/363, speed scale at (290, 423), key mode colour
// swatch at (730, 230).
PanelSheet LightingSheet()
{
    const Words on{"开启", "On"};
    const Words off{"关闭", "Off"};
    PanelSheet sheet;
    sheet.groups = {{14, 6, 370, 152}, {394, 6, 394, 152}, {14, 166, 774, 202}};
    sheet.texts = {
        {{28, 11, 340, 22}, Role::Heading, {"灯光开关", "LED LIGHT"}},
        {{28, 60, 104, 20}, Role::Label, {"灯光", "Light"}},
        {{162, 60, 70, 20}, Role::Label, on},
        {{262, 60, 70, 20}, Role::Label, off},
        {{28, 124, 104, 20}, Role::Label, {"L+CPI 切换", "L+CPI Mode"}},
        {{162, 124, 70, 20}, Role::Label, on},
        {{262, 124, 70, 20}, Role::Label, off},
        {{408, 11, 370, 22}, Role::Heading, {"M+CPI 开关灯光", "M+CPI LED SWITCH"}},
        {{466, 60, 70, 20}, Role::Label, on},
        {{565, 60, 70, 20}, Role::Label, off},
        {{408, 112, 214, 20}, Role::Label, {"模式B 指示颜色", "Mode B Colour"}, kRight},
        {{28, 171, 740, 22}, Role::Heading, {"灯光模式", "LED MODE"}},
        {{28, 294, 150, 20}, Role::Label, {"灯光速度", "Speed"}, kRight},
    };
    // Seven modes in two rows; each caption stands right of its mark.
    const QPointF modeMarks[7] = {{122, 198}, {206, 198}, {374, 198}, {544, 198},
                                  {122, 235}, {279, 235}, {435, 235}};
    const Words modeNames[7] = {{"模式1", "Mode 1"}, {"模式2", "Mode 2"}, {"模式3", "Mode 3"},
                                {"模式4", "Mode 4"}, {"模式5", "Mode 5"}, {"模式6", "Mode 6"},
                                {"模式7", "Mode 7"}};
    for (int i = 0; i < 7; ++i)
        sheet.texts.push_back({{modeMarks[i].x() + 20, modeMarks[i].y() - 3, 62, 20}, Role::Label,
                               modeNames[i]});
    // Speed scale: 8 segments of 26 with gap 5 at (192, 295).
    sheet.grooves.push_back({189, 293, 249, 22});
    sheet.rules.push_back({QPointF(28, 275.5), QPointF(774, 275.5)});
    return sheet;
}

// Macro page: library list at page (160, 176) 220 x 304, step list at
// (400, 176), record buttons at (666, 176) and (666, 216), delay box at
// (616, 292) with its option rows 36, 59, 82 and release rows 116, 140 down.
PanelSheet MacroSheet()
{
    PanelSheet sheet;
    sheet.groups = {{14, 6, 490, 362}, {512, 6, 276, 362}};
    sheet.texts = {
        {{62, 14, 220, 24}, Role::Heading, {"宏列表", "MACROS"}},
        {{302, 14, 196, 24}, Role::Heading, {"宏步骤", "STEPS"}},
        {{526, 11, 250, 22}, Role::Heading, {"录制", "RECORD"}},
        {{526, 134, 250, 22}, Role::Heading, {"延时设定", "DELAY"}},
        {{558, 197, 92, 20}, Role::Label, {"延迟记录", "Record Delay"}},
        {{558, 220, 92, 20}, Role::Label, {"延迟设定", "Default Delay"}},
        {{558, 243, 92, 20}, Role::Label, {"无延迟", "No Delay"}},
        {{558, 277, 224, 20}, Role::Label, {"释放按键后立刻停止动作", "Release Key for Stop"}},
        {{558, 301, 224, 20}, Role::Label, {"释放按键后直到结束", "Release Key for Continue"}},
    };
    sheet.wells = {{58, 44, 228, 312}, {298, 44, 206, 312}};
    // Between the delay and the release options; it ends inside the area the
    // insert box covers, so nothing of it shows while inserting.
    sheet.rules.push_back({QPointF(532, 270.5), QPointF(730, 270.5)});
    return sheet;
}

QFont FontFor(Role role, Language language)
{
    const bool chinese = language == Language::Chinese;
    switch (role) {
    case Role::Heading: {
        QFont font = TextFont(language, chinese ? 15 : 13, QFont::Bold);
        if (!chinese)
            font.setLetterSpacing(QFont::AbsoluteSpacing, 1.8);
        return font;
    }
    case Role::Label:
        return TextFont(language, chinese ? 13 : 12);
    case Role::Hint:
        return TextFont(language, chinese ? 12 : 11);
    case Role::Symbol:
        return TextFont(Language::English, 15, QFont::Bold);
    }
    return TextFont(language, 12);
}

QColor ColourFor(Role role)
{
    switch (role) {
    case Role::Heading: return Colour(kText);
    case Role::Label: return Colour(kTextSoft);
    case Role::Hint: return Colour(kTextDim);
    case Role::Symbol: return Colour(kAccent, 200);
    }
    return Colour(kTextSoft);
}

void PaintGroup(QPainter& painter, const QRectF& frame)
{
    const QRectF r = frame.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = ChamferedPath(r, {10, 0, 10, 0});
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, Colour(0xFFFFFFFF, 7));
    fill.setColorAt(0.25, Colour(0xFFFFFFFF, 0));
    painter.fillPath(path, fill);
    Stroke(painter, path, Colour(kLine));
    painter.save();
    painter.setPen(QPen(Colour(kAccent, 200), 1.5));
    painter.drawLine(QPointF(r.left(), r.top() + 10), QPointF(r.left() + 10, r.top()));
    painter.drawLine(QPointF(r.right() - 10, r.bottom()), QPointF(r.right(), r.bottom() - 10));
    painter.restore();
}

void PaintHeading(QPainter& painter, const Printed& printed, Language language)
{
    const QFont font = FontFor(Role::Heading, language);
    const QString text = printed.words.In(language);
    const QRectF box = printed.box;
    painter.fillRect(QRectF(box.left(), box.center().y() - 7, 3, 14), Colour(kAccent));
    Caption(painter, box.adjusted(9, 0, 0, 0), text, font, Colour(kText));
    const qreal after = box.left() + 9 + TextWidth(text, font) + 10;
    if (after < box.right() - 10)
        FadingLine(painter, QPointF(after, box.center().y() + 0.5),
                   QPointF(box.right(), box.center().y() + 0.5), Colour(kLineBright));
}

void PaintGroove(QPainter& painter, const QRectF& groove)
{
    const QPainterPath path = ChamferedPath(groove.adjusted(0.5, 0.5, -0.5, -0.5), {4, 0, 4, 0});
    painter.fillPath(path, Colour(0xFF0F1114));
    Stroke(painter, path, Colour(kLine));
}

void PaintWell(QPainter& painter, const QRectF& well)
{
    const QPainterPath path = ChamferedPath(well.adjusted(0.5, 0.5, -0.5, -0.5), {5, 0, 5, 0});
    painter.fillPath(path, Colour(0xFF101215));
    Stroke(painter, path, Colour(kLineBright, 160));
}

QImage PaintSheet(QSize size, const PanelSheet& sheet, Language language)
{
    QImage image = NewCanvas(size);
    QPainter painter;
    BeginSmooth(painter, image);
    // The panel's edge colour equals the page's content bay, so the panel
    // sits on the page without a visible seam.
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), Colour(kSurface1));
    for (const QRectF& group : sheet.groups)
        PaintGroup(painter, group);
    for (const QLineF& rule : sheet.rules) {
        painter.setPen(QPen(Colour(kLine), 1));
        painter.drawLine(rule);
    }
    for (const QRectF& groove : sheet.grooves)
        PaintGroove(painter, groove);
    for (const QRectF& well : sheet.wells)
        PaintWell(painter, well);
    for (const Printed& printed : sheet.texts) {
        if (printed.role == Role::Heading)
            PaintHeading(painter, printed, language);
        else
            Caption(painter, printed.box, printed.words.In(language), FontFor(printed.role, language),
                    ColourFor(printed.role), printed.alignment);
    }
    return image;
}

}  // namespace

QImage DrawAdvancedPanel(QSize size, Language language)
{
    return PaintSheet(size, AdvancedSheet(), language);
}

QImage DrawLightingPanel(QSize size, Language language)
{
    return PaintSheet(size, LightingSheet(), language);
}

QImage DrawMacroPanel(QSize size, Language language)
{
    return PaintSheet(size, MacroSheet(), language);
}

}  // namespace orvex::skin
