#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

#include "app/SingleInstance.h"

namespace orvex {
namespace {

TEST(SingleInstanceTest, ASecondStartAsksTheFirstToRaiseItself)
{
    const QString key = QStringLiteral("orvex71-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(key);
    ASSERT_FALSE(first.HandOverToRunningInstance());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second(key);
    EXPECT_TRUE(second.HandOverToRunningInstance());
    EXPECT_TRUE(raised.wait(5000));
}

}  // namespace
}  // namespace orvex
