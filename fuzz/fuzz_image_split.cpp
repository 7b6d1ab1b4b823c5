// Any 2048 bytes from a profile file or a mouse: split with the checks, show
// (unpack), pack and assemble again, and take over the macro slots.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "config/ConfigImage.h"
#include "config/ProfileCodes.h"
#include "config/SettingsModel.h"
#include "keys/KeyFunctionName.h"
#include "macro/DeviceMacroSlots.h"
#include "macro/MacroCodec.h"
#include "ui/LanguageTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvex;
    ConfigImage image;
    std::memcpy(image.buffer.data(), data, std::min(size, image.buffer.size()));
    image.SplitImage();

    DeviceMacroSlots slots = SplitMacroArea(image.sections.macroArea);
    CheckMacroContentBuf(slots);
    for (const MacroRecord& record : slots.records)
        MacroBufToScript(record);
    static const LanguageTable language = [] {
        LanguageTable table;
        table.insert(QStringLiteral("Str222"), QStringLiteral("AIM Key"));
        return table;
    }();
    const std::array<QString, 7> names = SlotNames(slots);
    const ProfileCodes codes = CodesFromProfile(image.sections.profile);
    for (const QString& code : codes.modeA)
        KeyFunctionName(code, language, names);

    const SettingsModel settings = UnpackSettings(image.sections, SettingsModel{});
    const int aim = size > 0 ? data[0] % 11 : 0;
    image.AssembleImage(settings, aim);
    return 0;
}
