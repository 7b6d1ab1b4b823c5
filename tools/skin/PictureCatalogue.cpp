#include "tools/skin/PictureCatalogue.h"

#include "tools/skin/BackgroundPictures.h"
#include "tools/skin/ButtonPictures.h"
#include "tools/skin/LogoPictures.h"
#include "tools/skin/MarkPictures.h"
#include "tools/skin/MousePicture.h"
#include "tools/skin/PanelPictures.h"

namespace orvex::skin {
namespace {

QString Skin(const QString& name)
{
    return QStringLiteral("resources/skin/%1.png").arg(name);
}

PictureJob Job(const QString& path, QSize size, std::function<QImage(QSize)> draw,
                 bool seeThrough = false, QRect clearCore = {})
{
    PictureJob job;
    job.path = path;
    job.size = size;
    job.draw = std::move(draw);
    job.seeThrough = seeThrough;
    job.clearCore = clearCore;
    return job;
}

// Adds the three pictures _01, _02, _03 of a state set.
void AddStateSet(std::vector<PictureJob>& list, const QString& name, QSize size,
                 const std::function<QImage(QSize, ButtonState)>& draw)
{
    const ButtonState states[3] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed};
    for (int i = 0; i < 3; ++i) {
        const ButtonState state = states[i];
        list.push_back(Job(Skin(QStringLiteral("%1_0%2").arg(name).arg(i + 1)), size,
                        [draw, state](QSize s) { return draw(s, state); }));
    }
}

// Adds the off (_D) and on (_E) pictures of a two-state mark.
void AddMarkPair(std::vector<PictureJob>& list, const QString& name, QSize size,
                 const std::function<QImage(QSize, bool)>& draw)
{
    list.push_back(Job(Skin(name + QStringLiteral("_D")), size, [draw](QSize s) { return draw(s, false); }));
    list.push_back(Job(Skin(name + QStringLiteral("_E")), size, [draw](QSize s) { return draw(s, true); }));
}

void AddLanguagePictures(std::vector<PictureJob>& list, int number, Language language)
{
    const QString prefix = QStringLiteral("L%1_").arg(number);
    list.push_back(Job(Skin(prefix + QStringLiteral("BackGround")), {1030, 660},
                    [language](QSize s) { return DrawPageBackground(s, language); }, true));
    list.push_back(Job(Skin(prefix + QStringLiteral("Back1")), {600, 400},
                    [language](QSize s) { return DrawButtonMap(s, language); }));
    list.push_back(Job(Skin(prefix + QStringLiteral("Back2")), {800, 374},
                    [language](QSize s) { return DrawAdvancedPanel(s, language); }));
    list.push_back(Job(Skin(prefix + QStringLiteral("Back3")), {800, 374},
                    [language](QSize s) { return DrawLightingPanel(s, language); }));
    list.push_back(Job(Skin(prefix + QStringLiteral("Back4")), {800, 374},
                    [language](QSize s) { return DrawMacroPanel(s, language); }));
}

}  // namespace

std::vector<PictureJob> PictureCatalogue()
{
    std::vector<PictureJob> list;
    AddLanguagePictures(list, 1, Language::Chinese);
    AddLanguagePictures(list, 3, Language::English);
    for (const char* name : {"L2_BackGround", "L2_Back1", "L2_Back2", "L2_Back3", "L2_Back4"})
        list.push_back(Job(Skin(QString::fromLatin1(name)), {23, 4}, DrawPlaceholder));

    AddStateSet(list, QStringLiteral("BtnS"), {110, 27}, DrawPlateButton);
    AddStateSet(list, QStringLiteral("SetS"), {110, 30}, DrawTabButton);
    AddStateSet(list, QStringLiteral("KeyS"), {170, 27}, DrawKeyPlate);
    AddStateSet(list, QStringLiteral("ExitS"), {20, 20}, [](QSize s, ButtonState state) {
        return DrawWindowButton(s, state, WindowGlyph::Close);
    });
    AddStateSet(list, QStringLiteral("MiniS"), {20, 20}, [](QSize s, ButtonState state) {
        return DrawWindowButton(s, state, WindowGlyph::Minimise);
    });
    // The web button shows _03 while the mouse is over it and _02 when it is
    // clicked, the other way round from every other state set.
    AddStateSet(list, QStringLiteral("WebS"), {200, 66}, [](QSize s, ButtonState state) {
        const ButtonState drawn = state == ButtonState::Hover     ? ButtonState::Pressed
                                  : state == ButtonState::Pressed ? ButtonState::Hover
                                                                  : state;
        return DrawWebBanner(s, drawn);
    });
    AddStateSet(list, QStringLiteral("MacroS"), {110, 27}, DrawPlateButton);
    AddStateSet(list, QStringLiteral("MacroBtnS"), {44, 27}, DrawPlateButton);

    AddMarkPair(list, QStringLiteral("CbS"), {16, 16}, DrawCheckMark);
    AddMarkPair(list, QStringLiteral("RdS"), {15, 15}, DrawOptionMark);
    AddMarkPair(list, QStringLiteral("Bar1"), {26, 18}, DrawScaleSegment);
    AddMarkPair(list, QStringLiteral("Bar2"), {20, 18}, DrawScaleSegment);
    list.push_back(Job(Skin(QStringLiteral("Col_F")), {32, 40}, DrawSwatchFrame, false, QRect(6, 6, 20, 28)));

    list.push_back(Job(Skin(QStringLiteral("InsertDelayBase")), {207, 162},
                    [](QSize s) { return DrawInsertBase(s, InsertKind::Delay); }));
    list.push_back(Job(Skin(QStringLiteral("InsertKeyBase")), {207, 162},
                    [](QSize s) { return DrawInsertBase(s, InsertKind::Key); }));
    list.push_back(Job(Skin(QStringLiteral("InsertXYBase")), {207, 162},
                    [](QSize s) { return DrawInsertBase(s, InsertKind::Movement); }));
    list.push_back(Job(Skin(QStringLiteral("Msg")), {530, 200}, DrawDialogBackground, true));

    list.push_back(Job(Skin(QStringLiteral("EngineerLogo")), {1076, 60}, DrawEngineerLogo));
    list.push_back(Job(Skin(QStringLiteral("AppIcon")), {64, 64}, DrawAppIcon));
    list.push_back(Job(QStringLiteral("packaging/orvex71.png"), {256, 256}, DrawAppIcon));
    return list;
}

}  // namespace orvex::skin
