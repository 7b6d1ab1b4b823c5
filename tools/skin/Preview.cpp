#include "tools/skin/Preview.h"

#include "tools/skin/Palette.h"
#include "tools/skin/Shapes.h"

#include <QDir>

#include <array>

namespace orvex::skin {
namespace {

// A page or dialog being composed: pictures at layout places and captions
// standing in for the program's transparent labels.
class Scene {
public:
    Scene(const QDir& skin, Language language, QSize size)
        : m_skin(skin), m_language(language), m_image(size, QImage::Format_ARGB32_Premultiplied)
    {
        m_image.fill(Qt::transparent);
        BeginSmooth(m_painter, m_image);
    }

    Language language() const { return m_language; }

    void Picture(const QString& name, QPoint at)
    {
        m_painter.drawImage(at, QImage(m_skin.filePath(name + QStringLiteral(".png"))));
    }

    QSize PictureSize(const QString& name) const
    {
        return QImage(m_skin.filePath(name + QStringLiteral(".png"))).size();
    }

    // A picture button with its caption centred on it.
    void Button(const QString& picture, QPoint at, const Words& caption, int pointSize)
    {
        Picture(picture, at);
        Text(QRect(at, PictureSize(picture)), caption.In(m_language), pointSize);
    }

    void Text(const QRect& box, const QString& text, int pointSize, QRgb colour = 0xFFFFFFFF,
              Qt::Alignment alignment = Qt::AlignCenter)
    {
        // The layouts name Windows fonts; these are their stand-ins here.
        QFont font(m_language == Language::Chinese ? QStringLiteral("WenQuanYi Micro Hei")
                                                   : QStringLiteral("Nimbus Sans Narrow"));
        font.setPixelSize(pointSize * 96 / 72);
        Caption(m_painter, box, text, font, QColor::fromRgba(colour), alignment);
    }

    void Fill(const QRect& box, QRgb colour, QRgb border = 0)
    {
        m_painter.fillRect(box, QColor::fromRgba(colour));
        if (border) {
            m_painter.setPen(QColor::fromRgba(border));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

    // A colour swatch: the colour shape with the frame picture over it.
    void Swatch(QPoint at, QRgb colour)
    {
        Fill(QRect(at, PictureSize(QStringLiteral("Col_F"))), colour);
        Picture(QStringLiteral("Col_F"), at);
    }

    // A segment scale of count segments, lit at segment litIndex (slider style).
    void Scale(const QString& bar, QPoint at, int count, int gap, int litIndex, bool numbered,
               int firstNumber)
    {
        const int w = PictureSize(bar + QStringLiteral("_E")).width();
        for (int i = 0; i < count; ++i) {
            const QPoint place(at.x() + i * (w + gap), at.y());
            Picture(bar + (i == litIndex ? QStringLiteral("_E") : QStringLiteral("_D")), place);
            if (numbered)
                Text(QRect(place + QPoint(numbered && gap == 0 ? 4 : 0, 24), QSize(w - 4, 14)),
                     QString::number(firstNumber + i), 9, 0xFFFFFFFF, Qt::AlignLeft | Qt::AlignTop);
        }
    }

    // Replaces the see-through colour by a desktop-like backdrop and returns
    // the composed picture framed by some desktop.
    QImage Finish()
    {
        m_painter.end();
        QImage shown(m_image.size() + QSize(40, 40), QImage::Format_ARGB32);
        QPainter desk(&shown);
        QLinearGradient backdrop(QPointF(0, 0), QPointF(shown.width(), shown.height()));
        backdrop.setColorAt(0, QColor(0x5A, 0x6E, 0x8C));
        backdrop.setColorAt(1, QColor(0x8C, 0x9A, 0xA8));
        desk.fillRect(shown.rect(), backdrop);
        QImage keyed = m_image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x) {
                if (line[x] == colour::kSeeThrough)
                    line[x] = 0;
            }
        }
        desk.drawImage(QPoint(20, 20), keyed);
        return shown;
    }

private:
    QDir m_skin;
    Language m_language;
    QImage m_image;
    QPainter m_painter;
};

enum class Page { ModeA, Advanced, Lighting, Macro, MacroInsert };

struct Tab {
    Words caption;
    QPoint at;
};

// The page tabs and the language tabs of layouts 1 and 3.
const std::array<Tab, 7> kTabs = {{
    {{"模式A", "Mode A"}, {110, 50}},
    {{"模式B", "Mode B"}, {240, 50}},
    {{"高级设置", "Advanced"}, {370, 50}},
    {{"灯光控制", "Light"}, {500, 50}},
    {{"宏定义", "Macro"}, {630, 50}},
    {{"简体中文", "Chinese"}, {780, 50}},
    {{"英文", "English"}, {905, 50}},
}};

int TabOf(Page page)
{
    switch (page) {
    case Page::ModeA: return 0;
    case Page::Advanced: return 2;
    case Page::Lighting: return 3;
    case Page::Macro:
    case Page::MacroInsert: return 4;
    }
    return 0;
}

void ComposeFrame(Scene& scene, Page page)
{
    const bool chinese = scene.language() == Language::Chinese;
    scene.Picture(chinese ? QStringLiteral("L1_BackGround") : QStringLiteral("L3_BackGround"), {0, 0});
    const int current = TabOf(page);
    const int language = chinese ? 5 : 6;
    for (int i = 0; i < static_cast<int>(kTabs.size()); ++i) {
        // Show every state: the current page and language selected, the tab
        // right of the current one under the mouse.
        const QString state = (i == current || i == language) ? QStringLiteral("SetS_03")
                              : i == current + 1             ? QStringLiteral("SetS_02")
                                                             : QStringLiteral("SetS_01");
        scene.Button(state, kTabs[static_cast<std::size_t>(i)].at, kTabs[static_cast<std::size_t>(i)].caption, 12);
    }
    scene.Picture(QStringLiteral("MiniS_01"), {950, 10});
    scene.Picture(page == Page::Advanced ? QStringLiteral("ExitS_02") : QStringLiteral("ExitS_01"), {980, 10});
    const QString apply = page == Page::Advanced   ? QStringLiteral("BtnS_02")
                          : page == Page::Lighting ? QStringLiteral("BtnS_03")
                                                   : QStringLiteral("BtnS_01");
    scene.Button(apply, {820, 600}, {"应用", "Apply"}, 11);
    scene.Button(QStringLiteral("BtnS_01"), {310, 600}, {"恢复默认设置", "RESET"}, 11);
    scene.Picture(page == Page::Macro ? QStringLiteral("WebS_03") : QStringLiteral("WebS_01"), {50, 575});
}

void ComposeModePage(Scene& scene)
{
    const bool chinese = scene.language() == Language::Chinese;
    scene.Picture(chinese ? QStringLiteral("L1_Back1") : QStringLiteral("L3_Back1"), {90, 130});
    const struct {
        int y;
        Words name;
    } keys[7] = {
        {138, {"左键", "Left Key"}},  {186, {"中键", "Middle Key"}}, {233, {"右键", "Right Key"}},
        {282, {"前进", "Forward"}},   {329, {"后退", "Back"}},       {377, {"按键模式切换键", "KB Switch Key"}},
        {427, {"显示桌面", "Desktop"}},
    };
    for (int i = 0; i < 7; ++i)
        scene.Button(i == 2 ? QStringLiteral("KeyS_02") : QStringLiteral("KeyS_01"), {140, keys[i].y}, keys[i].name, 11);
    scene.Picture(QStringLiteral("CbS_E"), {700, 470});
    scene.Picture(QStringLiteral("CbS_D"), {700, 500});
    scene.Text(QRect(700, 468, 330, 20),
               QStringLiteral("     ") + Words{"长按'中键'切换模式A/模式B", "Press 'Middle Key' 3s Switch Mode A/Mode B"}.In(scene.language()),
               11, 0xFFFFFFFF, Qt::AlignLeft | Qt::AlignVCenter);
    scene.Text(QRect(700, 498, 330, 20),
               QStringLiteral("     ") + Words{"长按'DPI键'切换模式A/模式B", "Press 'DPI' 3s Switch Mode A/Mode B"}.In(scene.language()),
               11, 0xFFFFFFFF, Qt::AlignLeft | Qt::AlignVCenter);
}

void ComposeAdvancedPage(Scene& scene)
{
    const bool chinese = scene.language() == Language::Chinese;
    scene.Picture(chinese ? QStringLiteral("L1_Back2") : QStringLiteral("L3_Back2"), {98, 128});
    // Fire key edits in the layout's edit colours.
    scene.Fill(QRect(264, 170, 60, 22), qRgb(113, 111, 100), qRgb(45, 114, 189));
    scene.Text(QRect(264, 170, 56, 22), QStringLiteral("3"), 9, 0xFFFFFFFF, Qt::AlignRight | Qt::AlignVCenter);
    scene.Fill(QRect(264, 202, 60, 22), qRgb(113, 111, 100), qRgb(45, 114, 189));
    scene.Text(QRect(264, 202, 56, 22), QStringLiteral("100"), 9, 0xFFFFFFFF, Qt::AlignRight | Qt::AlignVCenter);
    scene.Scale(QStringLiteral("Bar1"), {150, 300}, 11, 0, 5, true, 1);
    scene.Picture(QStringLiteral("CbS_E"), {312, 278});
    scene.Scale(QStringLiteral("Bar1"), {150, 374}, 11, 0, 6, true, 1);
    scene.Scale(QStringLiteral("Bar1"), {150, 448}, 11, 0, 2, true, 1);
    scene.Picture(QStringLiteral("CbS_D"), {312, 426});
    // CPI levels 1..6: four enabled, level 2 current, default values.
    const int checkY[6] = {184, 226, 266, 306, 346, 384};
    const int labelY[6] = {182, 224, 264, 304, 344, 382};
    const int stepsY[6] = {182, 222, 262, 302, 342, 382};
    const int colourY[6] = {166, 210, 250, 290, 330, 370};
    const char* values[6] = {"800", "1000", "1200", "1600", "2000", "2400"};
    const QRgb colours[6] = {qRgb(0, 255, 0), qRgb(255, 0, 255), qRgb(0, 0, 255),
                             qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 255)};
    for (int i = 0; i < 6; ++i) {
        scene.Picture(i == 1 ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"), {506, checkY[i]});
        scene.Text(QRect(530, labelY[i], 34, 20), QStringLiteral("DPI%1").arg(i + 1), 10,
                   i < 4 ? qRgb(255, 0, 0) : 0xFFFFFFFF, Qt::AlignLeft | Qt::AlignVCenter);
        scene.Text(QRect(566, labelY[i], 34, 20), QString::fromLatin1(values[i]), 9, 0xFFFFFFFF,
                   Qt::AlignLeft | Qt::AlignVCenter);
        scene.Scale(QStringLiteral("Bar2"), {602, stepsY[i]}, 11, 0, i + 1, false, 0);
        scene.Swatch({844, colourY[i]}, colours[i]);
    }
}

void ComposeLightingPage(Scene& scene)
{
    const bool chinese = scene.language() == Language::Chinese;
    scene.Picture(chinese ? QStringLiteral("L1_Back3") : QStringLiteral("L3_Back3"), {98, 128});
    const struct {
        QPoint at;
        bool on;
    } options[] = {
        {{240, 190}, true},  {{340, 190}, false}, {{544, 190}, true},  {{643, 190}, false},
        {{240, 254}, false}, {{340, 254}, true},  {{220, 326}, true},  {{304, 326}, false},
        {{472, 326}, false}, {{642, 326}, false}, {{220, 363}, false}, {{377, 363}, false},
        {{533, 363}, false},
    };
    for (const auto& option : options)
        scene.Picture(option.on ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"), option.at);
    scene.Scale(QStringLiteral("Bar1"), {290, 423}, 8, 5, 3, true, 0);
    scene.Swatch({730, 230}, qRgb(0, 255, 0));
}

void ComposeMacroPage(Scene& scene, bool inserting)
{
    const bool chinese = scene.language() == Language::Chinese;
    scene.Picture(chinese ? QStringLiteral("L1_Back4") : QStringLiteral("L3_Back4"), {98, 128});
    scene.Fill(QRect(160, 176, 220, 304), qRgb(31, 31, 31));
    for (int i = 0; i < 5; ++i) {
        if (i == 1)
            scene.Fill(QRect(160, 176 + i * 20, 220, 20), qRgb(49, 106, 198));
        scene.Text(QRect(166, 176 + i * 20, 210, 20), QStringLiteral("Macro %1").arg(i + 1), 9, 0xFFFFFFFF,
                   Qt::AlignLeft | Qt::AlignVCenter);
    }
    scene.Fill(QRect(400, 176, 200, 304), qRgb(31, 31, 31));
    const char* steps[4] = {"A  Key Down", "100 ms", "A  Key Up", "100 ms"};
    for (int i = 0; i < 4; ++i)
        scene.Text(QRect(406, 176 + i * 20, 190, 20), QString::fromLatin1(steps[i]), 9, 0xFFFFFFFF,
                   Qt::AlignLeft | Qt::AlignVCenter);
    scene.Button(QStringLiteral("MacroS_01"), {666, 176}, {"新建宏", "New Macro"}, 9);
    scene.Button(QStringLiteral("MacroS_02"), {666, 216}, {"开始记录", "Record"}, 9);
    if (!inserting) {
        // The delay box at (616, 292): three delay options, the edit, and the
        // two release options.
        const int rows[3] = {36, 59, 82};
        for (int i = 0; i < 3; ++i)
            scene.Picture(i == 0 ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"), {636, 292 + rows[i]});
        scene.Fill(QRect(753, 352, 50, 22), 0xFF000000, qRgb(45, 114, 189));
        scene.Text(QRect(753, 352, 46, 22), QStringLiteral("50"), 9, 0xFFFFFFFF, Qt::AlignRight | Qt::AlignVCenter);
        scene.Picture(QStringLiteral("RdS_E"), {636, 408});
        scene.Picture(QStringLiteral("RdS_D"), {636, 432});
        return;
    }
    // The insert box at (616, 318) with its picture 10 pixels in.
    scene.Picture(QStringLiteral("InsertDelayBase"), {626, 328});
    scene.Fill(QRect(636, 322, 170, 22), qRgb(31, 31, 31), qRgb(45, 114, 189));
    scene.Text(QRect(642, 322, 160, 22), Words{"在此之前延时", "Insert Delay Front"}.In(scene.language()), 9,
               0xFFFFFFFF, Qt::AlignLeft | Qt::AlignVCenter);
    const Words options[3] = {{"延迟记录", "Record Delay"}, {"延迟设定", "Default Delay"}, {"无延迟", "No Delay"}};
    for (int i = 0; i < 3; ++i) {
        scene.Picture(i == 1 ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"), {636, 352 + i * 23});
        scene.Text(QRect(634, 350 + i * 23, 110, 19), QStringLiteral("       ") + options[i].In(scene.language()), 9,
                   0xFFFFFFFF, Qt::AlignLeft | Qt::AlignVCenter);
    }
    scene.Fill(QRect(750, 373, 50, 22), 0xFF000000, qRgb(45, 114, 189));
    scene.Button(QStringLiteral("MacroS_01"), {646, 422}, {"开始记录", "Record"}, 9);
    scene.Button(QStringLiteral("MacroBtnS_01"), {646, 454}, {"插入", "OK"}, 9);
    scene.Button(QStringLiteral("MacroBtnS_02"), {712, 454}, {"取消", "Cancel"}, 9);
}

QImage ComposePage(const QDir& skin, Language language, Page page)
{
    Scene scene(skin, language, {1030, 660});
    ComposeFrame(scene, page);
    switch (page) {
    case Page::ModeA: ComposeModePage(scene); break;
    case Page::Advanced: ComposeAdvancedPage(scene); break;
    case Page::Lighting: ComposeLightingPage(scene); break;
    case Page::Macro: ComposeMacroPage(scene, false); break;
    case Page::MacroInsert: ComposeMacroPage(scene, true); break;
    }
    return scene.Finish();
}

// The macro-name dialog above the colour dialog, both in the Msg frame.
QImage ComposeDialogs(const QDir& skin, Language language)
{
    Scene scene(skin, language, {530, 420});
    scene.Picture(QStringLiteral("Msg"), {0, 0});
    scene.Text(QRect(18, 25, 300, 26), Words{"宏定义名称", "Macro Name"}.In(language), 14, 0xFFFFFFFF,
               Qt::AlignLeft | Qt::AlignTop);
    scene.Fill(QRect(128, 76, 240, 26), 0xFFFFFFFF);
    scene.Text(QRect(128, 76, 240, 26), QStringLiteral("Macro 6"), 12, 0xFF000000);
    scene.Button(QStringLiteral("BtnS_01"), {128, 134}, {"确认", "OK"}, 10);
    scene.Button(QStringLiteral("BtnS_02"), {270, 134}, {"取消", "Cancel"}, 10);
    scene.Picture(QStringLiteral("ExitS_01"), {470, 12});

    const int top = 220;
    scene.Picture(QStringLiteral("Msg"), {0, top});
    scene.Text(QRect(18, top + 25, 300, 26), Words{"请选择一种颜色", "Please Select One Color"}.In(language), 14,
               0xFFFFFFFF, Qt::AlignLeft | Qt::AlignTop);
    const QRgb colours[7] = {qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0), qRgb(0, 0, 255),
                             qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    for (int i = 0; i < 7; ++i) {
        const QPoint at(60 + i * 52, top + 68);
        scene.Swatch(at, colours[i]);
        scene.Picture(i == 2 ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"), at + QPoint(8, 48));
    }
    scene.Button(QStringLiteral("BtnS_03"), {128, top + 154}, {"确认", "OK"}, 10);
    scene.Button(QStringLiteral("BtnS_01"), {270, top + 154}, {"取消", "Cancel"}, 10);
    scene.Picture(QStringLiteral("ExitS_02"), {470, top + 12});
    return scene.Finish();
}

}  // namespace

QStringList WritePreviews(const QString& skinFolder, const QString& outFolder)
{
    const QDir skin(skinFolder);
    QDir out(outFolder);
    out.mkpath(QStringLiteral("."));
    const struct {
        Page page;
        const char* name;
    } pages[] = {
        {Page::ModeA, "mode"},   {Page::Advanced, "advanced"},      {Page::Lighting, "lighting"},
        {Page::Macro, "macro"},  {Page::MacroInsert, "macro-insert"},
    };
    QStringList written;
    for (const Language language : {Language::Chinese, Language::English}) {
        const int number = static_cast<int>(language);
        for (const auto& page : pages) {
            const QString file = out.filePath(QStringLiteral("L%1-%2.png").arg(number).arg(QString::fromLatin1(page.name)));
            if (ComposePage(skin, language, page.page).save(file))
                written << file;
        }
        const QString file = out.filePath(QStringLiteral("L%1-dialogs.png").arg(number));
        if (ComposeDialogs(skin, language).save(file))
            written << file;
    }
    return written;
}

}  // namespace orvex::skin
