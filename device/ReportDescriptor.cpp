#include "device/ReportDescriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace orvex {

namespace {

// Item types and tags of the HID class definition that matter for the
// lengths; every other item is skipped.
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kMainFeature = 0xB;
constexpr int kGlobalReportSize = 0x7;
constexpr int kGlobalReportId = 0x8;
constexpr int kGlobalReportCount = 0x9;
constexpr int kGlobalPush = 0xA;
constexpr int kGlobalPop = 0xB;
constexpr unsigned char kLongItemPrefix = 0xFE;

// No real report comes near this; it keeps hostile sizes from overflowing.
constexpr qint64 kBitLimit = qint64{1} << 24;

struct GlobalState {
    qint64 reportSize = 0;
    qint64 reportCount = 0;
    int reportId = 0;
};

qint64 ItemValue(const QByteArray& bytes, int start, int size)
{
    qint64 value = 0;
    for (int i = 0; i < size; ++i)
        value |= qint64{static_cast<unsigned char>(bytes[start + i])} << (8 * i);
    return value;
}

}  // namespace

int FeatureReportByteLength(const QByteArray& descriptor)
{
    GlobalState state;
    std::vector<GlobalState> stack;
    std::map<int, qint64> featureBits;  // by report id

    const int total = descriptor.size();
    int pos = 0;
    while (pos < total) {
        const auto prefix = static_cast<unsigned char>(descriptor[pos]);
        if (prefix == kLongItemPrefix) {
            if (pos + 2 >= total)
                return 0;
            const int dataSize = static_cast<unsigned char>(descriptor[pos + 1]);
            pos += 3 + dataSize;
            if (pos > total)
                return 0;
            continue;
        }
        static constexpr int kSizes[] = {0, 1, 2, 4};
        const int dataSize = kSizes[prefix & 0x3];
        const int type = (prefix >> 2) & 0x3;
        const int tag = prefix >> 4;
        if (pos + 1 + dataSize > total)
            return 0;
        const qint64 value = ItemValue(descriptor, pos + 1, dataSize);
        pos += 1 + dataSize;

        if (type == kTypeGlobal) {
            switch (tag) {
            case kGlobalReportSize:
                state.reportSize = value;
                break;
            case kGlobalReportCount:
                state.reportCount = value;
                break;
            case kGlobalReportId:
                if (value == 0 || value > 255)
                    return 0;
                state.reportId = static_cast<int>(value);
                break;
            case kGlobalPush:
                stack.push_back(state);
                break;
            case kGlobalPop:
                if (stack.empty())
                    return 0;
                state = stack.back();
                stack.pop_back();
                break;
            default:
                break;
            }
        } else if (type == kTypeMain && tag == kMainFeature) {
            qint64& bits = featureBits[state.reportId];
            const qint64 added = std::min(state.reportSize, kBitLimit) * std::min(state.reportCount, kBitLimit);
            bits = std::min(bits + added, kBitLimit);
        }
    }

    qint64 longest = 0;
    for (const auto& [reportId, bits] : featureBits) {
        if (bits > 0)
            longest = std::max(longest, (bits + 7) / 8 + 1);
    }
    return static_cast<int>(std::min<qint64>(longest, 0x7FFFFFFF));
}

}  // namespace orvex
