#include "device/HidapiTransport.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <hidapi.h>

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "device/ReportDescriptor.h"

namespace orvex {

namespace {

class HidapiHandle final : public HidDeviceHandle {
public:
    explicit HidapiHandle(hid_device* device)
        : m_device(device)
    {
    }
    ~HidapiHandle() override { hid_close(m_device); }
    HidapiHandle(const HidapiHandle&) = delete;
    HidapiHandle& operator=(const HidapiHandle&) = delete;

    bool SetFeature(const FeatureReport& report) override
    {
        return hid_send_feature_report(m_device, report.data(), report.size()) >= 0;
    }

    bool GetFeature(FeatureReport& report) override
    {
        // hidraw answers with the report id in front; anything shorter than a
        // whole report has no status byte to look at.
        const int got = hid_get_feature_report(m_device, report.data(), report.size());
        return got >= static_cast<int>(report.size());
    }

private:
    hid_device* m_device;
};

// The descriptor through the node itself, for systems without the sysfs file.
QByteArray DescriptorFromNode(const QString& nodePath)
{
    const int fd = ::open(QFile::encodeName(nodePath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray bytes;
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        hidraw_report_descriptor descriptor{};
        descriptor.size = static_cast<__u32>(size);
        if (::ioctl(fd, HIDIOCGRDESC, &descriptor) == 0)
            bytes = QByteArray(reinterpret_cast<const char*>(descriptor.value), size);
    }
    ::close(fd);
    return bytes;
}

QByteArray ReportDescriptorOf(const QString& nodePath)
{
    const QString node = QFileInfo(nodePath).fileName();  // "hidraw3"
    QFile file(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(node));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (!bytes.isEmpty())
            return bytes;
    }
    return DescriptorFromNode(nodePath);
}

}  // namespace

HidapiTransport::HidapiTransport()
{
    hid_init();
}

HidapiTransport::~HidapiTransport()
{
    hid_exit();
}

std::vector<HidInterfaceInfo> HidapiTransport::Enumerate()
{
    std::vector<HidInterfaceInfo> interfaces;
    QSet<QString> seenPaths;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* entry = list; entry != nullptr; entry = entry->next) {
        const QString path = QString::fromLocal8Bit(entry->path);
        if (seenPaths.contains(path))
            continue;
        seenPaths.insert(path);
        HidInterfaceInfo info;
        info.path = path;
        info.vendorId = entry->vendor_id;
        info.productId = entry->product_id;
        info.releaseNumber = entry->release_number;
        info.featureReportLength = FeatureReportByteLength(ReportDescriptorOf(path));
        interfaces.push_back(info);
    }
    hid_free_enumeration(list);
    return interfaces;
}

std::unique_ptr<HidDeviceHandle> HidapiTransport::Open(const QString& path)
{
    hid_device* device = hid_open_path(QFile::encodeName(path).constData());
    if (device == nullptr)
        return nullptr;
    return std::make_unique<HidapiHandle>(device);
}

}  // namespace orvex
