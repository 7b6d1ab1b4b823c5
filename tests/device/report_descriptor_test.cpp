#include <gtest/gtest.h>

#include <initializer_list>

#include "device/ReportDescriptor.h"

namespace orvex {
namespace {

QByteArray Descriptor(std::initializer_list<int> bytes)
{
    QByteArray descriptor;
    for (int byte : bytes)
        descriptor.append(static_cast<char>(byte));
    return descriptor;
}

// The configuration interface of the mouse: a vendor page with report id 4
// carrying 7 feature bytes.
const QByteArray kVendorFeature = Descriptor({
    0x06, 0x00, 0xFF,  // usage page (vendor 0xFF00)
    0x09, 0x01,        // usage 1
    0xA1, 0x01,        // collection (application)
    0x85, 0x04,        //   report id 4
    0x09, 0x02,        //   usage 2
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x75, 0x08,        //   report size 8
    0x95, 0x07,        //   report count 7
    0xB1, 0x02,        //   feature (data, variable, absolute)
    0xC0,              // end collection
});

// A boot mouse: inputs only.
const QByteArray kBootMouse = Descriptor({
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,  // desktop, mouse, pointer
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01,  // buttons 1..3
    0x95, 0x03, 0x75, 0x01, 0x81, 0x02,                          // 3 bits input
    0x95, 0x01, 0x75, 0x05, 0x81, 0x03,                          // padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F,  // x, y
    0x75, 0x08, 0x95, 0x02, 0x81, 0x06,                          // 2 bytes input
    0xC0, 0xC0,
});

TEST(ReportDescriptor, TheMouseInterfaceHasEightByteFeatureReports)
{
    EXPECT_EQ(FeatureReportByteLength(kVendorFeature), 8);
}

TEST(ReportDescriptor, InputsAndOutputsAreNoFeatureReports)
{
    EXPECT_EQ(FeatureReportByteLength(kBootMouse), 0);
    EXPECT_EQ(FeatureReportByteLength(Descriptor({0x75, 0x08, 0x95, 0x10, 0x91, 0x02})), 0);  // output
    EXPECT_EQ(FeatureReportByteLength(QByteArray()), 0);
}

TEST(ReportDescriptor, TheLargestReportIdCounts)
{
    const QByteArray descriptor = Descriptor({
        0x85, 0x01, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x02,  // id 1: 2 feature bytes
        0x85, 0x02, 0x95, 0x0F, 0xB1, 0x02,              // id 2: 15 feature bytes
        0x85, 0x03, 0x95, 0x3F, 0x81, 0x02,              // id 3: a longer input report
        0x85, 0x01, 0x95, 0x03, 0xB1, 0x02,              // id 1 again: 3 more bytes, 5 in all
    });
    EXPECT_EQ(FeatureReportByteLength(descriptor), 16);
}

TEST(ReportDescriptor, PushAndPopRestoreTheGlobalState)
{
    const QByteArray descriptor = Descriptor({
        0x85, 0x04, 0x75, 0x08, 0x95, 0x03,  // id 4, 8 bits x 3
        0xA4,                                // push
        0x75, 0x10, 0x95, 0x04, 0xB1, 0x02,  // 16 bits x 4 = 8 bytes
        0xB4,                                // pop: 8 bits x 3 again
        0xB1, 0x02,                          // 3 bytes
    });
    EXPECT_EQ(FeatureReportByteLength(descriptor), 1 + 8 + 3);
}

TEST(ReportDescriptor, LongItemsAreSkipped)
{
    QByteArray descriptor = Descriptor({0xFE, 0x03, 0x10, 0xB1, 0x02, 0xB1});  // data looks like items
    descriptor += kVendorFeature;
    EXPECT_EQ(FeatureReportByteLength(descriptor), 8);
}

TEST(ReportDescriptor, BitsRoundUpAndTheIdByteIsCountedAsWindowsDoes)
{
    // Without report ids Windows still puts a (zero) id byte in front.
    EXPECT_EQ(FeatureReportByteLength(Descriptor({0x75, 0x08, 0x95, 0x07, 0xB1, 0x02})), 8);
    EXPECT_EQ(FeatureReportByteLength(Descriptor({0x75, 0x01, 0x95, 0x0C, 0xB1, 0x02})), 1 + 2);
    // Two- and four-byte item data.
    EXPECT_EQ(FeatureReportByteLength(Descriptor({0x27, 0xFF, 0xFF, 0x00, 0x00, 0x75, 0x08, 0x96, 0x00, 0x01,
                                                  0xB1, 0x02})),
              1 + 256);
}

TEST(ReportDescriptor, AMalformedDescriptorHasNoFeatureReport)
{
    const QByteArray cases[] = {
        kVendorFeature.left(kVendorFeature.size() - 9),           // cut inside "logical maximum"
        Descriptor({0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xB4}),   // pop without push
        Descriptor({0x85, 0x00, 0x75, 0x08, 0x95, 0x07, 0xB1}),   // report id 0, cut feature item
        Descriptor({0x85, 0x00, 0x75, 0x08, 0x95, 0x07, 0xB1, 0x02}),  // report id 0
        Descriptor({0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xFE, 0x05, 0x00, 0x01}),  // cut long item
        Descriptor({0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xFE}),
        // Hostile sizes neither overflow nor pass for the mouse.
        Descriptor({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xB1, 0x02, 0xB2}),
    };
    for (const QByteArray& descriptor : cases) {
        SCOPED_TRACE(descriptor.toHex().toStdString());
        EXPECT_EQ(FeatureReportByteLength(descriptor), 0);
    }
}

}  // namespace
}  // namespace orvex
