// Any 224-byte macro record (device slot, library file, import): decode, and
// the decoded script must encode without fault.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "macro/MacroCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvex;
    MacroRecord record{};
    std::memcpy(record.data(), data, std::min(size, record.size()));
    RecordChecksumValid(record);
    const MacroScript script = MacroBufToScript(record);
    const EncodeResult encoded = MacroScriptToBuf(script);
    if (encoded.fits)
        MacroBufToScript(encoded.record);
    return 0;
}
