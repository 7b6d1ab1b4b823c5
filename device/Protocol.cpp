#include "device/Protocol.h"

namespace orvex {

StatusAnswer DecodeStatusAnswer(const FeatureReport& answer)
{
    StatusAnswer status;
    status.signature = answer[1];
    status.ready = (answer[2] & (1u << kReadyBit)) != 0;
    status.controllerCode = answer[3];
    status.keyState = static_cast<quint16>(answer[6] * 256 + answer[5]);
    return status;
}

int MapControllerCode(Byte controllerCode, int currentChipCode)
{
    struct Mapping {
        Byte controllerCode;
        int chipCode;
    };
    static constexpr Mapping kMappings[] = {
        {0x35, 0x90},
        {0x75, 0x99},
        {0xFD, 0x98},
    };
    for (const Mapping& mapping : kMappings) {
        if (mapping.controllerCode == controllerCode)
            return mapping.chipCode;
    }
    return currentChipCode;
}

FeatureReport MakeReport(CommandCode code, Byte p1, Byte p2, Byte p3, Byte p4, Byte p5, Byte p6)
{
    return {kReportId, static_cast<Byte>(code), p1, p2, p3, p4, p5, p6};
}

int ChunkCount(int length)
{
    return length <= 0 ? 0 : (length + kChunkDataSize - 1) / kChunkDataSize;
}

}  // namespace orvex
