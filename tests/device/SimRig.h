#pragma once

#include "device/Clock.h"
#include "device/DeviceLink.h"
#include "device/sim/SimulatedMouse.h"
#include "device/sim/SimulatedTransport.h"

namespace orvex::test {

// An EEPROM whose every byte tells its address apart from its neighbours,
// with the generic identity 255/255 at 0x36/0x37.
inline ImageBuffer PatternImage()
{
    ImageBuffer image{};
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<Byte>((i * 7 + 3) & 0xFF);
    image[0x36] = 255;
    image[0x37] = 255;
    return image;
}

// The simulated mouse on its transport, a DeviceLink over it, all on one
// virtual clock. Members are declared in the order they must outlive each
// other.
struct SimRig {
    explicit SimRig(SimFault fault = {}, const ImageBuffer& image = PatternImage())
        : mouse(clock, image, std::move(fault))
        , transport(mouse)
        , link(transport, clock)
    {
    }

    bool Open()
    {
        quint32 release = kMouseReleaseNumber;
        return link.OpenDevice(kMouseVendorId, kMouseProductId, release);
    }

    ExchangeLog& Log() { return mouse.Log(); }

    VirtualClock clock;
    SimulatedMouse mouse;
    SimulatedTransport transport;
    DeviceLink link;
};

inline SimFault Fault(const QString& text)
{
    return ParseSimFault(text).value();
}

}  // namespace orvex::test
