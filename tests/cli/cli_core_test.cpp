#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "config/FactoryImages.h"
#include "config/SectionRules.h"

namespace orvex {
namespace {

using testing::RunCli;
using testing::SourcePath;

class CliCoreTest : public ::testing::Test {
protected:
    QString Home() const { return m_home.path(); }
    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_home.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    static QByteArray Bytes(const ImageBuffer& image)
    {
        return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
    }

private:
    QTemporaryDir m_home;
};

TEST_F(CliCoreTest, ShowJsonOfTheFactoryImage)
{
    const auto result = RunCli({QStringLiteral("--json"), QStringLiteral("show"), QStringLiteral("--image"),
                                SourcePath(QStringLiteral("resources/factory/ORVEX71Data_Cfg1.bin"))},
                               Home());
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    const QJsonObject report = result.Json().object();
    EXPECT_EQ(report.value("marker").toInt(), 0x99);
    EXPECT_TRUE(report.value("repaired").toArray().isEmpty());
    const QJsonObject cpi = report.value("cpi").toObject();
    EXPECT_EQ(cpi.value("count").toInt(), 6);
    EXPECT_EQ(cpi.value("current").toInt(), 2);
    EXPECT_EQ(cpi.value("levels").toArray(),
              QJsonArray({800, 1600, 2400, 3200, 4800, 6400, 3200}));
    EXPECT_TRUE(cpi.value("aim").isNull());
    const QJsonArray modeA = report.value("buttons").toObject().value("A").toArray();
    ASSERT_EQ(modeA.size(), 9);
    EXPECT_EQ(modeA.at(0).toObject().value("name").toString(), QStringLiteral("Left Key"));
    EXPECT_EQ(modeA.at(8).toObject().value("code").toString(), QStringLiteral("0600F0"));
    EXPECT_EQ(report.value("fire").toObject().value("shots").toInt(), 3);
    EXPECT_EQ(report.value("fire").toObject().value("intervalMs").toInt(), 48);
    EXPECT_EQ(report.value("keyMode").toString(), QStringLiteral("A"));
    const QJsonObject led = report.value("led").toObject();
    EXPECT_EQ(led.value("type").toString(), QStringLiteral("controller"));
    EXPECT_EQ(led.value("count").toInt(), 10);
    EXPECT_TRUE(led.value("on").toBool());
    EXPECT_EQ(led.value("mode").toInt(), 2);
    const QJsonArray macros = report.value("macros").toArray();
    ASSERT_EQ(macros.size(), 7);
    for (const QJsonValue& macro : macros)
        EXPECT_TRUE(macro.isNull());
}

TEST_F(CliCoreTest, ShowReportsRepairsAimKeysMacrosAndTheChosenLanguage)
{
    ImageBuffer image = LoadFactoryImage(1);
    image[0x05] ^= 0x01;  // ParameterASection checksum no longer fits
    // Mode B button 2 an AIM key at index 3 (1200 CPI), profile resealed.
    ProfileSection profile{};
    std::copy_n(image.begin() + 0x40, profile.size(), profile.begin());
    profile[27 + 3] = 0x0A;
    profile[27 + 4] = 0x03;
    profile[27 + 5] = 0x00;
    SealProfileSection(profile);
    std::copy(profile.begin(), profile.end(), image.begin() + 0x40);
    // Slot 2: the record "repeat 5: left press, 80 ms, left release, Y +2".
    const Byte name[] = {0x00, 'A', 0x00, 'x'};
    std::copy(std::begin(name), std::end(name), image.begin() + 0x200);
    const Byte record[] = {0x01, 0x0A, 0xFD, 0x04, 0xA1, 0xFE, 0x0A, 0x21, 0xFA, 0x02, 0xFC, 0x97};
    std::copy(std::begin(record), std::end(record), image.begin() + 0x220);

    const QString path = WriteFile(QStringLiteral("edited.bin"), Bytes(image));
    const auto result = RunCli({QStringLiteral("--lang"), QStringLiteral("1"), QStringLiteral("--json"),
                                QStringLiteral("show"), QStringLiteral("--image"), path},
                               Home());
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    const QJsonObject report = result.Json().object();
    EXPECT_EQ(report.value("repaired").toArray(), QJsonArray({"ParameterASection"}));
    EXPECT_EQ(report.value("cpi").toObject().value("aim").toInt(), 1200);
    // The default ParameterASection: 4 levels.
    EXPECT_EQ(report.value("cpi").toObject().value("count").toInt(), 4);
    const QJsonObject buttonB2 = report.value("buttons").toObject().value("B").toArray().at(1).toObject();
    EXPECT_EQ(buttonB2.value("name").toString(), QStringLiteral("瞄准键"));
    const QJsonValue slot2 = report.value("macros").toArray().at(1);
    ASSERT_TRUE(slot2.isObject());
    EXPECT_EQ(slot2.toObject().value("name").toString(), QStringLiteral("Ax"));
    EXPECT_EQ(slot2.toObject().value("releaseMode").toString(), QStringLiteral("stop"));
    EXPECT_EQ(slot2.toObject().value("script").toArray(),
              QJsonArray({"10", "7 FD04", "1 LeftKey CODE:00A1", "0 80", "2 LeftKey CODE:0021", "5 FA02",
                          "8 00FC"}));
}

TEST_F(CliCoreTest, ShowRefusesBadInput)
{
    const struct {
        QStringList words;
        int exitCode;
    } cases[] = {
        {{QStringLiteral("show"), QStringLiteral("stray")}, 2},
        {{QStringLiteral("show"), QStringLiteral("--image")}, 2},
        {{QStringLiteral("--lang"), QStringLiteral("4"), QStringLiteral("show")}, 2},
        {{QStringLiteral("frobnicate")}, 2},
        {{QStringLiteral("show"), QStringLiteral("--image"), QStringLiteral("/nonexistent/image.bin")}, 6},
        {{QStringLiteral("show"), QStringLiteral("--image"), WriteFile(QStringLiteral("short.bin"), QByteArray(100, '\0'))}, 6},
    };
    for (const auto& c : cases) {
        const auto result = RunCli(c.words, Home());
        EXPECT_EQ(result.exitCode, c.exitCode) << c.words.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.startsWith("orvex71ctl: ")) << result.err.constData();
    }
}

TEST_F(CliCoreTest, LibraryCommandsEditTheFileAndRefuseWithoutChanging)
{
    const QString lib = Home() + QStringLiteral("/lib.bin");
    const auto run = [&](QStringList words) {
        words.prepend(lib);
        words.prepend(QStringLiteral("--file"));
        words.prepend(QStringLiteral("library"));
        return RunCli(words, Home());
    };
    const auto names = [&] {
        return RunCli({QStringLiteral("--json"), QStringLiteral("library"), QStringLiteral("--file"), lib,
                       QStringLiteral("list")},
                      Home())
            .Json()
            .array();
    };

    // First use creates the library from the built-in one.
    ASSERT_EQ(names().size(), 22);
    EXPECT_EQ(QFile(lib).size(), 25600);

    EXPECT_EQ(run({QStringLiteral("new"), QStringLiteral("Smoke Throw")}).exitCode, 0);
    EXPECT_EQ(names().last().toString(), QStringLiteral("Smoke Throw"));

    const QByteArray before = [&] { QFile f(lib); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    const auto duplicate = run({QStringLiteral("new"), QStringLiteral("Smoke Throw")});
    EXPECT_NE(duplicate.exitCode, 0);
    EXPECT_TRUE(duplicate.err.contains("already exists"));
    const auto shortImport = run({QStringLiteral("import-all"), WriteFile(QStringLiteral("s.bin"), QByteArray(300, 'x'))});
    EXPECT_EQ(shortImport.exitCode, 6);
    const auto badRow = run({QStringLiteral("delete"), QStringLiteral("24")});
    EXPECT_EQ(badRow.exitCode, 2);
    const QByteArray after = [&] { QFile f(lib); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    EXPECT_EQ(before, after);

    EXPECT_EQ(run({QStringLiteral("rename"), QStringLiteral("23"), QStringLiteral("Flash Bang")}).exitCode, 0);
    EXPECT_EQ(run({QStringLiteral("export-one"), QStringLiteral("23"), Home() + QStringLiteral("/one")}).exitCode, 0);
    EXPECT_EQ(QFile(Home() + QStringLiteral("/one.bin")).size(), 256);
    EXPECT_EQ(run({QStringLiteral("delete"), QStringLiteral("23")}).exitCode, 0);
    EXPECT_EQ(names().size(), 22);
    EXPECT_EQ(run({QStringLiteral("import-one"), Home() + QStringLiteral("/one.bin")}).exitCode, 0);
    EXPECT_EQ(names().last().toString(), QStringLiteral("Flash Bang"));

    const auto shown = RunCli({QStringLiteral("--json"), QStringLiteral("library"), QStringLiteral("--file"), lib,
                               QStringLiteral("show"), QStringLiteral("1")},
                              Home());
    ASSERT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.Json().object().value("script").toArray().at(1).toString(), QStringLiteral("7 FD04"));
}

TEST_F(CliCoreTest, LibraryDefaultsToTheUsersDataFolder)
{
    const auto result = RunCli({QStringLiteral("library"), QStringLiteral("list")}, Home());
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_TRUE(QFile::exists(Home() + QStringLiteral("/data/orvex71/ORVEX71-Macro.bin")));
}

}  // namespace
}  // namespace orvex
