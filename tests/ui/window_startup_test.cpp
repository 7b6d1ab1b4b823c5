#include <QRadioButton>

#include "WindowFixture.h"
#include "app/LoadingForm.h"
#include "app/SkinnedPage.h"

namespace orvex::testing {
namespace {

using StartupTest = WindowTest;

TEST_F(StartupTest, StartsBorderlessInLanguageOneWithTheFactoryImageBehindLockedPages)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ORVEX71 Gaming Mouse v1.0"));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    // Sized by the background picture, not by any stored form size.
    EXPECT_EQ(window->size(), QSize(1030, 660));
    EXPECT_EQ(window->VisiblePage(), 1);
    EXPECT_TRUE(window->PagesLocked());
    EXPECT_TRUE(state->NoDevicePage());
    EXPECT_EQ(state->LanguageNumber(), 1);
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("rb_Lang1"))->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("rb_1"))->isChecked());
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_EQ(Picture(QStringLiteral("Img_Main_%1").arg(copy)), QStringLiteral("SetS_03"));
        EXPECT_EQ(Picture(QStringLiteral("Img_Second_%1").arg(copy)), QStringLiteral("SetS_01"));
        EXPECT_EQ(Picture(QStringLiteral("Img_Lang1_%1").arg(copy)), QStringLiteral("SetS_03"));
        EXPECT_EQ(Picture(QStringLiteral("Img_Lang3_%1").arg(copy)), QStringLiteral("SetS_01"));
        EXPECT_EQ(Text(QStringLiteral("Btn_Apply_%1").arg(copy)), QStringLiteral("应用"));
    }
    // Factory image 1 on the key page, in Chinese.
    EXPECT_EQ(Text(QStringLiteral("Key1")), QStringLiteral("左键"));
    EXPECT_EQ(Text(QStringLiteral("Key9")), QStringLiteral("火力键"));
    EXPECT_EQ(Picture(QStringLiteral("Img_P1")), QStringLiteral("L1_Back1"));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(StartupTest, TheWindowIsShapedByTheSeeThroughColour)
{
    // The corner of the background is see-through maroon, its middle is not.
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window->mask().contains(QPoint(515, 330)));
}

TEST_F(StartupTest, LockedPagesSwallowClicksButExitAndMinimiseStayAbove)
{
    for (int n = 1; n <= 4; ++n) {
        SkinnedPage* page = window->Page(n);
        const QWidget* cover = page->Cover();
        EXPECT_EQ(cover->objectName(), QStringLiteral("Disable_All_%1").arg(n));
        EXPECT_EQ(cover->size(), QSize(1030, 660));
        const QWidget* apply = Find<QWidget>(QStringLiteral("Btn_Apply_%1").arg(n));
        const QWidget* exit = Find<QWidget>(QStringLiteral("Btn_Exit_%1").arg(n));
        // What a click at a control's centre reaches.
        EXPECT_EQ(page->childAt(apply->geometry().center()), cover);
        EXPECT_EQ(page->childAt(exit->geometry().center()), exit);
    }
    window->UnlockPages();
    const QWidget* apply = Find<QWidget>(QStringLiteral("Btn_Apply_1"));
    EXPECT_EQ(window->Page(1)->childAt(apply->geometry().center()), apply);
}

TEST_F(StartupTest, EngineerButtonsAreHiddenUnlessAskedFor)
{
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_FALSE(Find<QWidget>(QStringLiteral("Btn_Engineer_%1").arg(copy))->isVisibleTo(window.get()));
        EXPECT_EQ(Find<QWidget>(QStringLiteral("Img_Engineer_%1").arg(copy))->pos(), QPoint(10, 10));
    }
    MainWindow factoryWindow(true);
    EXPECT_TRUE(factoryWindow.findChild<QWidget*>(QStringLiteral("Btn_Engineer_1"))->isVisibleTo(&factoryWindow));
}

TEST(LoadingFormTest, CentresOverTheWindow)
{
    EXPECT_EQ(LoadingForm::PlacementOver(QRect(100, 50, 1030, 660)), QPoint(100 + 412, 50 + 232));
    LoadingForm form;
    EXPECT_EQ(form.size(), QSize(206, 196));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NE(form.findChild<QWidget*>(QStringLiteral("WaitGif")), nullptr);
}

}  // namespace
}  // namespace orvex::testing
