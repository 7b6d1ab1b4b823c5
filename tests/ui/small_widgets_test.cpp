#include <QTest>

#include <gtest/gtest.h>

#include "ui/NumericEdit.h"
#include "ui/RectShape.h"

namespace orvex {
namespace {

TEST(NumericEditTest, FiltersTypedCharactersAndReadsValues)
{
    TIntEdit decimal(QStringLiteral("edt"));
    QTest::keyClicks(&decimal, QStringLiteral("1a2-b3"));
    EXPECT_EQ(decimal.text(), QStringLiteral("123"));
    QTest::keyClick(&decimal, Qt::Key_Backspace);
    EXPECT_EQ(decimal.Value(), 12);
    decimal.clear();
    EXPECT_EQ(decimal.Value(), 0);
    decimal.SetValue(0);
    EXPECT_TRUE(decimal.text().isEmpty());
    decimal.SetValue(255);
    EXPECT_EQ(decimal.text(), QStringLiteral("255"));

    THexEdit hex(QStringLiteral("hex"));
    QTest::keyClicks(&hex, QStringLiteral("fgF"));
    EXPECT_EQ(hex.text(), QStringLiteral("fF"));
    hex.setText(QStringLiteral("ff"));
    EXPECT_EQ(hex.Value(), 255);
    hex.SetValue(255);
    EXPECT_EQ(hex.text(), QStringLiteral("FF"));

    hex.SetIsFilter(false);
    hex.clear();
    QTest::keyClicks(&hex, QStringLiteral("zz"));
    EXPECT_EQ(hex.text(), QStringLiteral("zz"));
}

TEST(RectShapeTest, PaintsTheDocumentedRectangles)
{
    TRectShape shape(QStringLiteral("cs"));
    shape.resize(32, 32);
    shape.SetPen(QPen(Qt::black, 1));
    shape.SetShadowOffset(2);
    shape.SetShadow(false);
    // From (0, 0) to (32, 32), right and bottom edges excluded.
    EXPECT_EQ(shape.ShapeRect(), QRect(0, 0, 32, 32));
    EXPECT_TRUE(shape.ShadowRect().isEmpty());

    shape.SetShadow(true);
    EXPECT_EQ(shape.ShadowRect(), QRect(2, 2, 30, 30));
    EXPECT_EQ(shape.ShapeRect(), QRect(0, 0, 30, 30));

    // Without a pen both rectangles are one pixel smaller.
    shape.SetPen(Qt::NoPen);
    EXPECT_EQ(shape.ShadowRect(), QRect(2, 2, 30, 30));
    EXPECT_EQ(shape.ShapeRect(), QRect(0, 0, 30, 30));
    EXPECT_EQ(TRectShape(QStringLiteral("fresh")).size(), QSize(65, 65));
}

}  // namespace
}  // namespace orvex
