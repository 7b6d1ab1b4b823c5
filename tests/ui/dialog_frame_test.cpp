// The frame the six small dialogs share: place, shape, pictures, layout,
// fonts, texts and the strict reading of the layout keys.
#include <QBitmap>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include "DialogTestSupport.h"
#include "keys/AssemblyKeyDialog.h"
#include "macro/MacroNameDialog.h"
#include "macro/StepDelayDialog.h"
#include "perf/ColourChoiceDialog.h"
#include "ui/DialogSlot.h"
#include "ui/SkinPictures.h"

namespace orvex {
namespace {

using namespace orvex::testing;

class DialogFrameTest : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> m_main = MakeMainWindow();
};

TEST_F(DialogFrameTest, OpensCentredOnTheMainWindowAndTheKeyDialogLower)
{
    auto* name = new MacroNameDialog(3, m_main.get());
    auto* key = new AssemblyKeyDialog(3, m_main.get());
    EXPECT_EQ(name->size(), QSize(530, 200));
    EXPECT_EQ(name->pos(), QPoint(350, 280));
    EXPECT_EQ(key->pos(), QPoint(350, 320));
}

TEST(DialogPositionTest, HalvesRoundTowardZero)
{
    // Main window 1 pixel wider / narrower than even: (501 - 530) / 2 is -14, not -15.
    EXPECT_EQ(DialogPosition(DialogKind::MacroName, QRect(100, 50, 501, 201), QSize(530, 200)),
              QPoint(86, 50));
    EXPECT_EQ(DialogPosition(DialogKind::StepDelay, QRect(0, 0, 1031, 661), QSize(530, 200)),
              QPoint(250, 230));
    EXPECT_EQ(DialogPosition(DialogKind::AssemblyKey, QRect(0, 0, 1031, 661), QSize(530, 200)),
              QPoint(250, 270));
}

TEST_F(DialogFrameTest, TakesThePositionOfTheMainWindowWhenItIsBuilt)
{
    m_main->move(0, 0);
    auto* dialog = new StepDelayDialog(3, m_main.get());
    EXPECT_EQ(dialog->pos(), QPoint(250, 230));
    m_main->move(300, 300);
    auto* next = new StepDelayDialog(3, m_main.get());
    EXPECT_EQ(next->pos(), QPoint(550, 530));
}

TEST_F(DialogFrameTest, IsABorderlessTopmostToolWindowThatIsNotModal)
{
    auto* dialog = new MacroNameDialog(3, m_main.get());
    dialog->Open();
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(dialog->windowType(), Qt::Tool);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->objectName(), "TForm3");
}

TEST_F(DialogFrameTest, MaroonPixelsOfTheBackgroundAreCutOut)
{
    auto* dialog = new MacroNameDialog(3, m_main.get());
    const QImage image = SkinPixmap(QStringLiteral("Msg")).toImage().convertToFormat(QImage::Format_RGB32);
    QPoint seeThrough(-1, -1);
    QPoint solid(-1, -1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool maroon = image.pixel(x, y) == qRgb(128, 0, 0);
            if (maroon && seeThrough.x() < 0)
                seeThrough = QPoint(x, y);
            if (!maroon && solid.x() < 0)
                solid = QPoint(x, y);
        }
    }
    ASSERT_GE(seeThrough.x(), 0) << "the Msg picture has no see-through pixel";
    ASSERT_GE(solid.x(), 0);
    EXPECT_FALSE(dialog->mask().contains(seeThrough));
    EXPECT_TRUE(dialog->mask().contains(solid));
    EXPECT_TRUE(dialog->mask().contains(QPoint(265, 100)));
}

struct TextCase {
    int language;
    const char* title;
    const char* confirm;
    const char* second;
};

class DialogTextTest : public DialogFrameTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(DialogTextTest, MacroNameDialogShowsTheTextsOfTheLanguage)
{
    const TextCase& c = GetParam();
    auto* dialog = new MacroNameDialog(c.language, m_main.get());
    EXPECT_EQ(Child<QLabel>(dialog, "lbl_MacroName")->text(), QString::fromUtf8(c.title));
    EXPECT_EQ(Child<QLabel>(dialog, "IB_Confirm")->text(), QString::fromUtf8(c.confirm));
    EXPECT_EQ(Child<QLabel>(dialog, "IB_Cancel")->text(), QString::fromUtf8(c.second));
    const QString family = LoadLanguageTable(c.language).fontName();
    for (const char* name : {"lbl_MacroName", "IB_Confirm", "IB_Cancel", "Edt_MacroName"})
        EXPECT_EQ(Child<QWidget>(dialog, name)->font().family(), family) << name;
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogTextTest,
                         ::testing::Values(TextCase{3, "Macro Name", "OK", "Cancel"},
                                           TextCase{1, "宏定义名称", "确认", "取消"}));

TEST_F(DialogFrameTest, TitlesAndButtonTextsOfTheOtherDialogs)
{
    auto* key = new AssemblyKeyDialog(3, m_main.get());
    EXPECT_EQ(Child<QLabel>(key, "lbl_Assembly")->text(), "Assembly Key");
    EXPECT_EQ(Child<QLabel>(key, "IB_Confirm")->text(), "Confirm");
    EXPECT_EQ(Child<QLabel>(key, "IB_Cancel")->text(), "Clear");
    auto* colour = new ColourChoiceDialog(3, m_main.get());
    EXPECT_EQ(Child<QLabel>(colour, "lbl_NorLEDTitle")->text(), "Please Select One Color");
    EXPECT_EQ(Child<QLabel>(colour, "IB_Cancel")->text(), "Cancel");
}

TEST_F(DialogFrameTest, FontSizesFollowTheSizeKeyOfTheLayout)
{
    ASSERT_EQ(LoadLayoutSection(3).Integer(QStringLiteral("Size_L")), 9);
    auto* dialog = new MacroNameDialog(3, m_main.get());
    EXPECT_EQ(Child<QWidget>(dialog, "lbl_MacroName")->font().pointSize(), 14);
    EXPECT_EQ(Child<QWidget>(dialog, "Edt_MacroName")->font().pointSize(), 12);
    EXPECT_EQ(Child<QWidget>(dialog, "IB_Confirm")->font().pointSize(), 10);
    EXPECT_EQ(Child<QWidget>(dialog, "IB_Cancel")->font().pointSize(), 10);

    auto* key = new AssemblyKeyDialog(ResourcesWithLayoutLine("Size_K=9", "Size_K=7"), m_main.get());
    EXPECT_EQ(Child<QWidget>(key, "lbl_Assembly")->font().pointSize(), 12);
    EXPECT_EQ(Child<QWidget>(key, "Edt_Assembly")->font().pointSize(), 10);
    for (const char* box : {"CB_Ctrl", "CB_Shift", "CB_Alt", "CB_Win"})
        EXPECT_EQ(Child<QWidget>(key, box)->font().pointSize(), 7) << box;
}

TEST_F(DialogFrameTest, ColoursOfTextsAndInput)
{
    DialogResources resources = ResourcesWithLayoutLine("Color_L_MN_G=0", "Color_L_MN_G=200");
    auto* dialog = new MacroNameDialog(resources, m_main.get());
    EXPECT_EQ(Child<QWidget>(dialog, "lbl_MacroName")->palette().color(QPalette::WindowText),
              QColor(255, 255, 255));
    EXPECT_EQ(Child<QWidget>(dialog, "IB_Confirm")->palette().color(QPalette::WindowText),
              QColor(255, 255, 255));
    EXPECT_EQ(Child<QWidget>(dialog, "Edt_MacroName")->palette().color(QPalette::Text), QColor(0, 200, 0));
}

TEST_F(DialogFrameTest, ControlsStandWhereTheLayoutSays)
{
    auto* dialog = new MacroNameDialog(3, m_main.get());
    EXPECT_EQ(Child<QWidget>(dialog, "lbl_MacroName")->pos(), QPoint(18, 25));
    const QWidget* edit = Child<QWidget>(dialog, "Edt_MacroName");
    EXPECT_EQ(edit->pos(), QPoint(128, 76));
    EXPECT_EQ(edit->width(), 240);
    EXPECT_EQ(Child<QLineEdit>(dialog, "Edt_MacroName")->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(Child<QWidget>(dialog, "Img_Confirm")->geometry(), QRect(128, 134, 110, 27));
    EXPECT_EQ(Child<QWidget>(dialog, "IB_Confirm")->geometry(), QRect(128, 134, 110, 27));
    EXPECT_EQ(Child<QWidget>(dialog, "Img_Cancel")->geometry(), QRect(270, 134, 110, 27));
    EXPECT_EQ(Child<QWidget>(dialog, "IB_Cancel")->geometry(), QRect(270, 134, 110, 27));
    EXPECT_EQ(Child<QWidget>(dialog, "Img_Close")->geometry(), QRect(470, 12, 20, 20));
    EXPECT_EQ(Child<QWidget>(dialog, "IB_Close")->geometry(), QRect(470, 12, 20, 20));
    EXPECT_EQ(PictureOf(dialog, "Img_MacroName"), "Msg");

    auto* key = new AssemblyKeyDialog(3, m_main.get());
    EXPECT_EQ(Child<QWidget>(key, "Edt_Assembly")->geometry().topLeft(), QPoint(128, 68));
    EXPECT_EQ(Child<QWidget>(key, "CB_Ctrl")->pos(), QPoint(128, 96));
    EXPECT_EQ(Child<QWidget>(key, "CB_Win")->pos(), QPoint(320, 96));
    EXPECT_EQ(Child<QCheckBox>(key, "CB_Alt")->text(), "Alt");
}

TEST_F(DialogFrameTest, ButtonPicturesFollowTheMouse)
{
    auto* dialog = new MacroNameDialog(3, m_main.get());
    for (const auto& [label, picture, set] :
         {std::tuple{"IB_Confirm", "Img_Confirm", "BtnS"}, std::tuple{"IB_Cancel", "Img_Cancel", "BtnS"},
          std::tuple{"IB_Close", "Img_Close", "ExitS"}}) {
        const QString pictures = QString::fromLatin1(set);
        EXPECT_EQ(PictureOf(dialog, picture), pictures + "_01") << label;
        Hover(Child<QWidget>(dialog, label));
        EXPECT_EQ(PictureOf(dialog, picture), pictures + "_02") << label;
        Unhover(Child<QWidget>(dialog, label));
        EXPECT_EQ(PictureOf(dialog, picture), pictures + "_01") << label;
    }
    Click(dialog, "IB_Cancel");
    EXPECT_EQ(PictureOf(dialog, "Img_Cancel"), "BtnS_03");
    Click(dialog, "IB_Close");
    EXPECT_EQ(PictureOf(dialog, "Img_Close"), "ExitS_03");
}

TEST_F(DialogFrameTest, ConfirmShowsThePressedPictureHandsOverAndCloses)
{
    auto* dialog = new MacroNameDialog(3, m_main.get());
    dialog->Open();
    QSignalSpy confirmed(dialog, &MacroNameDialog::confirmed);
    QPointer<QWidget> alive(dialog);
    QTest::keyClicks(Child<QWidget>(dialog, "Edt_MacroName"), QStringLiteral("Rapid fire"));
    Click(dialog, "IB_Confirm");
    EXPECT_EQ(PictureOf(dialog, "Img_Confirm"), "BtnS_03");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toString(), "Rapid fire");
    EXPECT_FALSE(dialog->isVisible());
    RunDeferredDeletes();
    EXPECT_TRUE(alive.isNull()) << "a closed dialog is gone; the next request builds a new one";
}

TEST_F(DialogFrameTest, CloseButtonClosesWithoutAResult)
{
    auto* dialog = new StepDelayDialog(3, m_main.get());
    dialog->Open();
    QSignalSpy confirmed(dialog, &StepDelayDialog::confirmed);
    QTest::keyClicks(Child<QWidget>(dialog, "Edt_EditTime"), QStringLiteral("120"));
    Click(dialog, "IB_Close");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(confirmed.count(), 0);
}

TEST_F(DialogFrameTest, SecondButtonEmptiesTheEditAndKeepsTheDialogOpen)
{
    auto* dialog = new StepDelayDialog(3, m_main.get());
    dialog->Open();
    QSignalSpy confirmed(dialog, &StepDelayDialog::confirmed);
    auto* edit = Child<QLineEdit>(dialog, "Edt_EditTime");
    QTest::keyClicks(edit, QStringLiteral("120"));
    ASSERT_EQ(edit->text(), "120");
    Click(dialog, "IB_Cancel");
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(confirmed.count(), 0);
}

struct BadLayoutCase {
    const char* line;
    const char* replacement;
    const char* key;
};

class BadLayoutTest : public DialogFrameTest, public ::testing::WithParamInterface<BadLayoutCase> {};

TEST_P(BadLayoutTest, StopsBuildingTheFrameWithTheError)
{
    const BadLayoutCase& c = GetParam();
    const DialogResources resources = ResourcesWithLayoutLine(c.line, c.replacement);
    try {
        MacroNameDialog* dialog = new MacroNameDialog(resources, m_main.get());
        ADD_FAILURE() << "built with " << c.replacement;
        delete dialog;
    } catch (const LayoutError& error) {
        EXPECT_EQ(error.Key().toLower(), QString::fromLatin1(c.key).toLower());
    }
    EXPECT_TRUE(m_main->findChildren<DialogFrame*>().isEmpty()) << "no half-built dialog stays";
}

INSTANTIATE_TEST_SUITE_P(Keys, BadLayoutTest,
                         ::testing::Values(BadLayoutCase{"MNC_W=240", "MNC_W=24O", "MNC_W"},
                                           BadLayoutCase{"Size_L=9", "Size_L=", "Size_L"},
                                           BadLayoutCase{"MN_Close_Y=12", "", "MN_Close_Y"},
                                           BadLayoutCase{"Color_L_MN_B=0", "Color_L_MN_B=0.5",
                                                         "Color_L_MN_B"}));

TEST_F(DialogFrameTest, TheColourDialogReadsItsOwnKeys)
{
    // Group L's edit keys mean nothing to the colour dialog, its NorLED_ keys do.
    EXPECT_NO_THROW(delete new ColourChoiceDialog(ResourcesWithLayoutLine("MNC_W=240", ""), m_main.get()));
    EXPECT_THROW(new ColourChoiceDialog(ResourcesWithLayoutLine("NorLED_Col_Y=68", "NorLED_Col_Y=x"),
                                        m_main.get()),
                 LayoutError);
    EXPECT_THROW(new AssemblyKeyDialog(ResourcesWithLayoutLine("MK_W_X=320", "MK_W_X=3 20"), m_main.get()),
                 LayoutError);
}

TEST_F(DialogFrameTest, ASlotHoldsOneDialogAtATime)
{
    DialogSlot slot;
    auto* first = new StepDelayDialog(3, m_main.get());
    first->Open();
    slot.Replace(first);
    EXPECT_EQ(slot.Current(), first);

    QSignalSpy firstConfirmed(first, &StepDelayDialog::confirmed);
    auto* second = new StepDelayDialog(3, m_main.get());
    second->Open();
    slot.Replace(second);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(firstConfirmed.count(), 0);
    EXPECT_EQ(slot.Current(), second);

    Click(second, "IB_Close");
    EXPECT_EQ(slot.Current(), nullptr);
    RunDeferredDeletes();
    EXPECT_EQ(slot.Current(), nullptr);
}

}  // namespace
}  // namespace orvex
