// The colour dialog: the row of seven colour choices and their marks.
#include <QSignalSpy>

#include "DialogTestSupport.h"
#include "perf/ColourChoiceDialog.h"
#include "perf/NamedColours.h"
#include "ui/RectShape.h"

namespace orvex {
namespace {

using namespace orvex::testing;

class ColourChoiceDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> m_main = MakeMainWindow();
    ColourChoiceDialog* m_dialog = new ColourChoiceDialog(3, m_main.get());

    QString Mark(int n) const
    {
        return PictureOf(m_dialog, QStringLiteral("Img_DPI%1ColSel").arg(n));
    }
    void ClickColour(int n) { Click(m_dialog, QStringLiteral("lbl_DPI%1Col").arg(n)); }
    QStringList Marks() const
    {
        QStringList marks;
        for (int n = 1; n <= 7; ++n)
            marks << Mark(n);
        return marks;
    }
};

TEST_F(ColourChoiceDialogTest, ChoicesStandInOneRowWithTheirMarksCentredBelow)
{
    // NorLED_Col at (60, 68); Col_F is 32 x 40, CbS_D 16 x 16.
    for (int n = 1; n <= 7; ++n) {
        const int left = 60 + (n - 1) * (32 + 20);
        const auto name = [n](const char* pattern) { return QString::fromLatin1(pattern).arg(n); };
        EXPECT_EQ(Child<QWidget>(m_dialog, name("lbl_DPI%1Col"))->geometry(), QRect(left, 68, 32, 40)) << n;
        EXPECT_EQ(Child<QWidget>(m_dialog, name("Img_DPI%1Col"))->geometry(), QRect(left, 68, 32, 40)) << n;
        EXPECT_EQ(Child<QWidget>(m_dialog, name("cs_DPI%1Col"))->geometry(), QRect(left, 68, 32, 40)) << n;
        EXPECT_EQ(Child<QWidget>(m_dialog, name("Img_DPI%1ColSel"))->geometry(),
                  QRect(left + 8, 68 + 40 + 8, 16, 16))
            << n;
        EXPECT_EQ(PictureOf(m_dialog, name("Img_DPI%1Col")), "Col_F");
        const Rgb colour = NamedColourRgb(n - 1);
        EXPECT_EQ(Child<TRectShape>(m_dialog, name("cs_DPI%1Col"))->Brush().color(),
                  QColor(colour.r, colour.g, colour.b));
    }
    EXPECT_EQ(Marks(), QStringList(7, QStringLiteral("CbS_D")));
    EXPECT_EQ(m_dialog->ChosenColour(), kNoNamedColour);
}

TEST_F(ColourChoiceDialogTest, ClickingAColourMarksOnlyIt)
{
    ClickColour(3);
    QStringList expected(7, QStringLiteral("CbS_D"));
    expected[2] = QStringLiteral("CbS_E");
    EXPECT_EQ(Marks(), expected);
    EXPECT_EQ(m_dialog->ChosenColour(), 2);

    ClickColour(7);
    expected[2] = QStringLiteral("CbS_D");
    expected[6] = QStringLiteral("CbS_E");
    EXPECT_EQ(Marks(), expected);

    QSignalSpy confirmed(m_dialog, &ColourChoiceDialog::confirmed);
    Click(m_dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toInt(), 6);
}

TEST_F(ColourChoiceDialogTest, SecondButtonUnmarksAllAndConfirmThenGivesNone)
{
    m_dialog->Open();
    ClickColour(1);
    Click(m_dialog, "IB_Cancel");
    EXPECT_EQ(Marks(), QStringList(7, QStringLiteral("CbS_D")));
    EXPECT_TRUE(m_dialog->isVisible());
    QSignalSpy confirmed(m_dialog, &ColourChoiceDialog::confirmed);
    Click(m_dialog, "IB_Confirm");
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).toInt(), kNoNamedColour);
}

TEST_F(ColourChoiceDialogTest, CloseButtonGivesNothing)
{
    ClickColour(2);
    QSignalSpy confirmed(m_dialog, &ColourChoiceDialog::confirmed);
    Click(m_dialog, "IB_Close");
    EXPECT_EQ(confirmed.count(), 0);
}

}  // namespace
}  // namespace orvex
