#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include "CliRunner.h"
#include "config/ConfigImage.h"
#include "config/FactoryImages.h"

namespace orvex {
namespace {

using testing::CliResult;
using testing::RunCli;

QByteArray Bytes(const ImageBuffer& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

// Factory image 2 with gap bytes of its own, so a test can tell whether they
// survived.
ImageBuffer StartImage()
{
    ImageBuffer image = LoadFactoryImage(2);
    image[0x78] = 0x42;
    image[0x7E] = 0x24;
    return image;
}

// orvex71ctl on a simulated mouse whose EEPROM lives in sim.bin.
class CliDeviceTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return m_home.filePath(name); }
    QString SimFile() const { return Path(QStringLiteral("sim.bin")); }

    void WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    CliResult Run(QStringList words, const QStringList& faults = {}) const
    {
        QStringList all{QStringLiteral("--simulate=") + SimFile()};
        for (const QString& fault : faults)
            all << QStringLiteral("--sim-fault") << fault;
        return RunCli(all + words, m_home.path());
    }

    QTemporaryDir m_home;
};

// ---- the round trip -----------------------------------------------------

TEST_F(CliDeviceTest, ReadWriteAndResetLeaveTheEepromFileAsExpected)
{
    WriteFile(QStringLiteral("sim.bin"), Bytes(StartImage()));

    const CliResult read = Run({QStringLiteral("read"), QStringLiteral("-o"), Path(QStringLiteral("a.bin"))});
    ASSERT_EQ(read.exitCode, 0) << read.err.constData();
    EXPECT_EQ(ReadFile(Path(QStringLiteral("a.bin"))), Bytes(StartImage()));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("a.bin.bin"))));

    const CliResult same = Run({QStringLiteral("write"), Path(QStringLiteral("a.bin"))});
    ASSERT_EQ(same.exitCode, 0) << same.err.constData();
    EXPECT_EQ(ReadFile(SimFile()), Bytes(StartImage()));

    const CliResult reset = Run({QStringLiteral("reset"), QStringLiteral("1")});
    ASSERT_EQ(reset.exitCode, 0) << reset.err.constData();
    EXPECT_EQ(ReadFile(SimFile()), Bytes(LoadFactoryImage(1)));

    // The profile brings the mouse back, gap bytes and all.
    const CliResult back = Run({QStringLiteral("write"), Path(QStringLiteral("a.bin"))});
    ASSERT_EQ(back.exitCode, 0) << back.err.constData();
    EXPECT_EQ(ReadFile(SimFile()), Bytes(StartImage()));
}

TEST_F(CliDeviceTest, ReadAddsBinOnlyWhenMissing)
{
    const CliResult read = Run({QStringLiteral("read"), QStringLiteral("-o"), Path(QStringLiteral("profile"))});
    ASSERT_EQ(read.exitCode, 0) << read.err.constData();
    // Without the file the simulated mouse starts from factory image 1, and
    // a mouse that was only read leaves no EEPROM file behind.
    EXPECT_EQ(ReadFile(Path(QStringLiteral("profile.bin"))), Bytes(LoadFactoryImage(1)));
    EXPECT_FALSE(QFile::exists(SimFile()));
}

TEST_F(CliDeviceTest, ResetDefaultsKeepsTheMousesGapBytesAndZeroesTheMacroArea)
{
    ImageBuffer start = StartImage();
    std::fill(start.begin() + 0x100, start.begin() + 0x140, Byte{0x33});
    WriteFile(QStringLiteral("sim.bin"), Bytes(start));

    const CliResult reset = Run({QStringLiteral("reset"), QStringLiteral("defaults")});
    ASSERT_EQ(reset.exitCode, 0) << reset.err.constData();

    const QByteArray eeprom = ReadFile(SimFile());
    ASSERT_EQ(eeprom.size(), kImageSize);
    ConfigImage expected;
    expected.buffer = start;
    expected.ResetToDefaults();
    EXPECT_EQ(eeprom, Bytes(expected.buffer));
    EXPECT_EQ(Byte(eeprom[0x78]), 0x42);
    EXPECT_TRUE(std::all_of(eeprom.begin() + 0x100, eeprom.end(), [](char b) { return b == 0; }));
}

TEST_F(CliDeviceTest, ShowFromTheMouseMatchesShowOfTheSameImage)
{
    WriteFile(QStringLiteral("sim.bin"), Bytes(StartImage()));
    WriteFile(QStringLiteral("copy.bin"), Bytes(StartImage()));

    const CliResult fromMouse = Run({QStringLiteral("--json"), QStringLiteral("show")});
    ASSERT_EQ(fromMouse.exitCode, 0) << fromMouse.err.constData();
    const CliResult fromFile = RunCli(
        {QStringLiteral("--json"), QStringLiteral("show"), QStringLiteral("--image"), Path(QStringLiteral("copy.bin"))},
        m_home.path());
    ASSERT_EQ(fromFile.exitCode, 0);
    EXPECT_EQ(fromMouse.Json(), fromFile.Json());
    EXPECT_FALSE(fromMouse.Json().object().isEmpty());
}

TEST_F(CliDeviceTest, ImportMacrosWritesOnlyTheMacroArea)
{
    WriteFile(QStringLiteral("sim.bin"), Bytes(StartImage()));
    QByteArray area(1792, '\0');
    for (int i = 0; i < area.size(); ++i)
        area[i] = char(i % 249);
    WriteFile(QStringLiteral("macros.bin"), area + QByteArray(100, '\x77'));

    const CliResult import = Run({QStringLiteral("import-macros"), Path(QStringLiteral("macros.bin"))});
    ASSERT_EQ(import.exitCode, 0) << import.err.constData();
    const QByteArray eeprom = ReadFile(SimFile());
    EXPECT_EQ(eeprom.left(256), Bytes(StartImage()).left(256));
    EXPECT_EQ(eeprom.mid(256), area);
}

TEST_F(CliDeviceTest, ListNamesTheMouseAndItsIdentity)
{
    const CliResult list = Run({QStringLiteral("--json"), QStringLiteral("list")});
    ASSERT_EQ(list.exitCode, 0) << list.err.constData();
    const QJsonObject report = list.Json().object();
    EXPECT_EQ(report.value("mouse").toString(), QStringLiteral("sim:mouse"));
    EXPECT_EQ(report.value("identity").toObject().value("result").toString(), QStringLiteral("accepted"));
    const QJsonArray interfaces = report.value("interfaces").toArray();
    ASSERT_EQ(interfaces.size(), 1);
    EXPECT_TRUE(interfaces.at(0).toObject().value("mouse").toBool());
}

// ---- every failure has its exit code and one line -----------------------

struct FailureCase {
    const char* name;
    QStringList words;
    QStringList faults;
    int exitCode;
};

TEST_F(CliDeviceTest, EachFailureMapsToItsExitCodeAndLeavesTheEepromAlone)
{
    WriteFile(QStringLiteral("sim.bin"), Bytes(StartImage()));
    WriteFile(QStringLiteral("short.bin"), Bytes(LoadFactoryImage(1)).left(2047));
    WriteFile(QStringLiteral("erased.bin"), QByteArray(kImageSize, '\xFF'));
    WriteFile(QStringLiteral("good.bin"), Bytes(LoadFactoryImage(3)));
    WriteFile(QStringLiteral("macros.bin"), QByteArray(1791, '\0'));
    const QString out = Path(QStringLiteral("out.bin"));
    const QStringList read{QStringLiteral("read"), QStringLiteral("-o"), out};
    const QStringList write{QStringLiteral("write"), Path(QStringLiteral("good.bin"))};

    const FailureCase cases[] = {
        {"silent", read, {QStringLiteral("silent")}, 3},
        {"wrong signature", read, {QStringLiteral("signature=0x12")}, 3},
        {"not ready", write, {QStringLiteral("not-ready")}, 3},
        {"other controller", write, {QStringLiteral("chip=0x35")}, 3},
        {"identity", read, {QStringLiteral("identity=3,7")}, 4},
        {"nak on read", read, {QStringLiteral("nak-chunk=5")}, 5},
        {"nak on write", write, {QStringLiteral("nak-chunk=5")}, 5},
        {"two faults", write, {QStringLiteral("latency=0"), QStringLiteral("unplug-after=40")}, 5},
        {"bad fault", read, {QStringLiteral("nak-chunk=zero")}, 2},
        {"short profile", {QStringLiteral("write"), Path(QStringLiteral("short.bin"))}, {}, 6},
        {"foreign profile", {QStringLiteral("write"), Path(QStringLiteral("erased.bin"))}, {}, 6},
        {"missing profile", {QStringLiteral("write"), Path(QStringLiteral("none.bin"))}, {}, 6},
        {"short macro area", {QStringLiteral("import-macros"), Path(QStringLiteral("macros.bin"))}, {}, 6},
        {"reset 4", {QStringLiteral("reset"), QStringLiteral("4")}, {}, 2},
        {"read without -o", {QStringLiteral("read")}, {}, 2},
    };
    for (const FailureCase& c : cases) {
        const CliResult result = Run(c.words, c.faults);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name << ": " << result.err.constData();
        EXPECT_EQ(result.err.count('\n'), 1) << c.name << ": " << result.err.constData();
        EXPECT_TRUE(result.err.startsWith("orvex71ctl: ")) << c.name;
        EXPECT_EQ(ReadFile(SimFile()), Bytes(StartImage())) << c.name;
        EXPECT_FALSE(QFile::exists(out)) << c.name;
    }
}

TEST_F(CliDeviceTest, SimulationOptionsAreCheckedBeforeAnythingRuns)
{
    const CliResult faultAlone = RunCli({QStringLiteral("--sim-fault"), QStringLiteral("silent"),
                                         QStringLiteral("list")},
                                        m_home.path());
    EXPECT_EQ(faultAlone.exitCode, 2) << faultAlone.err.constData();

    WriteFile(QStringLiteral("sim.bin"), QByteArray(100, '\0'));
    const CliResult badEeprom = Run({QStringLiteral("list")});
    EXPECT_EQ(badEeprom.exitCode, 6) << badEeprom.err.constData();
}

}  // namespace
}  // namespace orvex
