#include "config/Checksum.h"

namespace orvex {

Byte SectionChecksum(const Byte* data, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += data[i];
    return static_cast<Byte>((sum & 0xFF) ^ layout::kChecksumXor);
}

}  // namespace orvex
