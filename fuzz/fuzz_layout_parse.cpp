// Any layout resource text: parse, read every value the skin reads.
#include <cstddef>
#include <cstdint>

#include "ui/LayoutResource.h"
#include "ui/SkinLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvex;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<LayoutSection> sections = ParseLayoutText(bytes);
    for (const LayoutSection& section : sections) {
        for (const QString& key : section.Keys()) {
            try {
                section.Integer(key);
            } catch (const LayoutError&) {
            }
            section.Text(key);
        }
        SkinLayout skin;
        try {
            ReadGeneralSection(section, skin);
        } catch (const LayoutError&) {
        }
        try {
            ReadVariantValues(section, skin);
        } catch (const LayoutError&) {
        }
    }
    return 0;
}
