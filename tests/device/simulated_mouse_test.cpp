#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using test::Fault;
using test::PatternImage;
using test::SimRig;

using Bytes = std::vector<Byte>;

Bytes ReadBack(SimRig& rig, int address, int length)
{
    Bytes bytes(length);
    EXPECT_TRUE(rig.link.ReadBlock(address, length, bytes, length - 1));
    return bytes;
}

Bytes ImageBytes(int address, int length)
{
    const ImageBuffer image = PatternImage();
    return Bytes(image.begin() + address, image.begin() + address + length);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(SimulatedMouse, AnswersTheStatusCommandAsTheMouseDoes)
{
    struct Case {
        const char* fault;
        FeatureReport answer;
    };
    const Case cases[] = {
        {"", {4, 0xAA, 0x04, 0x75, 0, 0, 0, 0xCC}},
        {"not-ready", {4, 0xAA, 0x00, 0x75, 0, 0, 0, 0xCC}},
        {"chip=0x35 signature=0x12", {4, 0x12, 0x04, 0x35, 0, 0, 0, 0xCC}},
        {"keys=0x1FF@0", {4, 0xAA, 0x04, 0x75, 0, 0xFF, 0x01, 0xCC}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        SimRig rig(Fault(QString::fromLatin1(c.fault)));
        ASSERT_TRUE(rig.Open());
        ASSERT_TRUE(rig.link.SendCommand(CommandCode::StatusCmd));
        EXPECT_EQ(rig.link.ReportBuffer(), c.answer);
    }
}

TEST(SimulatedMouse, KeysFollowTheirStepsInClockTime)
{
    SimRig rig(Fault(QStringLiteral("keys=0x5@100,0x2@200,0@300")));
    ASSERT_TRUE(rig.Open());
    std::vector<quint16> seen;
    while (rig.clock.NowMs() < 350)
        seen.push_back(rig.link.PollKeyState());  // 10 ms each; the set is at 5 ms into it
    ASSERT_EQ(seen.size(), 35u);
    EXPECT_EQ(seen[9], 0);       // set at 95 ms
    EXPECT_EQ(seen[10], 0x5);    // set at 105 ms
    EXPECT_EQ(seen[19], 0x5);
    EXPECT_EQ(seen[20], 0x2);
    EXPECT_EQ(seen[30], 0);
}

TEST(SimulatedMouse, AnIdentityFaultChangesOnlyWhatIsReadBack)
{
    SimRig rig(Fault(QStringLiteral("identity=3,7")));
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(ReadBack(rig, 0x34, 4), (Bytes{PatternImage()[0x34], PatternImage()[0x35], 3, 7}));
    EXPECT_EQ(rig.mouse.Eeprom()[0x36], 255);
}

TEST(SimulatedMouse, TransfersOutsideTheEepromAreRefused)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    EXPECT_FALSE(rig.link.SendCommand(CommandCode::ReadStartCmd, 0xF8, 0x07, 16, 0));  // 2040 + 16
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::ReadStartCmd, 0xF8, 0x07, 8, 0));
    // Data without a transfer under way, and past its end, is refused too.
    SimRig fresh;
    ASSERT_TRUE(fresh.Open());
    EXPECT_FALSE(fresh.link.FetchDataChunk());
    EXPECT_FALSE(fresh.link.SendDataChunk({1, 2, 3, 4, 5, 6}));
}

TEST(SimulatedMouse, CorruptReadbackOnceAltersOnlyTheFirstReadAfterAWrite)
{
    SimRig rig(Fault(QStringLiteral("corrupt-readback=once")));
    ASSERT_TRUE(rig.Open());
    EXPECT_EQ(ReadBack(rig, 0, 256), ImageBytes(0, 256));  // nothing written yet

    const Bytes written = ImageBytes(0, 256);
    ASSERT_TRUE(rig.link.WriteBlock(0, 256, written));
    const Bytes first = ReadBack(rig, 0, 300);
    EXPECT_NE(Bytes(first.begin(), first.begin() + 256), written);
    EXPECT_EQ(Bytes(first.begin() + 256, first.end()), ImageBytes(256, 44));  // only the verified part
    EXPECT_EQ(ReadBack(rig, 0, 256), written);

    ASSERT_TRUE(rig.link.WriteBlock(0, 256, written));
    EXPECT_EQ(ReadBack(rig, 0, 256), written);
}

TEST(SimulatedMouse, CorruptReadbackAlwaysAltersEveryReadAfterAWrite)
{
    SimRig rig(Fault(QStringLiteral("corrupt-readback=always")));
    ASSERT_TRUE(rig.Open());
    const Bytes written = ImageBytes(0, 256);
    ASSERT_TRUE(rig.link.WriteBlock(0, 256, written));
    EXPECT_NE(ReadBack(rig, 0, 256), written);
    ASSERT_TRUE(rig.link.WriteBlock(0, 256, written));
    EXPECT_NE(ReadBack(rig, 0, 256), written);
    EXPECT_EQ(rig.mouse.Eeprom(), PatternImage());  // the EEPROM itself is fine
}

TEST(SimulatedMouse, TheStatusStaysZeroForTheLatency)
{
    SimRig rig(Fault(QStringLiteral("latency=100")));
    ASSERT_TRUE(rig.Open());
    // Each attempt reads for 60 ms and then sends again, which restarts the
    // mouse's work: it never gets done.
    EXPECT_FALSE(rig.link.SendCommand(CommandCode::BeginCmd));
    EXPECT_EQ(rig.Log().CountGets(), 25);
    for (const ExchangeRecord& record : rig.Log().Records()) {
        if (record.direction == ExchangeDirection::Get) {
            EXPECT_EQ(record.report[kStatusIndex], kStatusPending);
        }
    }
    rig.mouse.SetFault({});
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::BeginCmd));
}

TEST(SimulatedMouse, UnplugAfterPullsTheCableAfterThatManyReports)
{
    SimRig rig(Fault(QStringLiteral("unplug-after=2")));
    ASSERT_TRUE(rig.Open());
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::BeginCmd));
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::StatusCmd));
    EXPECT_FALSE(rig.link.SendCommand(CommandCode::EndCmd));
    EXPECT_FALSE(rig.mouse.IsPlugged());
    EXPECT_EQ(rig.link.CountHidInterfaces(), 0);
    EXPECT_EQ(rig.mouse.ReceivedReports(), 2);

    // Back in: the old handle stays dead, a new one works, and the cable is
    // pulled only once.
    rig.mouse.PlugIn();
    EXPECT_FALSE(rig.link.SendCommand(CommandCode::EndCmd));
    ASSERT_TRUE(rig.Open());
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::EndCmd));
    EXPECT_TRUE(rig.link.SendCommand(CommandCode::EndCmd));
}

TEST(SimulatedMouseFile, LoadsAnEepromFileOfExactly2048Bytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("good.bin"));
    const ImageBuffer image = PatternImage();
    ASSERT_TRUE(WriteFile(good, QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize)));
    EXPECT_EQ(SimulatedMouse::LoadEepromFile(good), image);

    const QString shortFile = dir.filePath(QStringLiteral("short.bin"));
    ASSERT_TRUE(WriteFile(shortFile, QByteArray(2047, '\0')));
    const QString longFile = dir.filePath(QStringLiteral("long.bin"));
    ASSERT_TRUE(WriteFile(longFile, QByteArray(2049, '\0')));
    for (const QString& path : {shortFile, longFile, dir.filePath(QStringLiteral("missing.bin"))}) {
        QString error;
        EXPECT_FALSE(SimulatedMouse::LoadEepromFile(path, &error).has_value());
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
    }
}

TEST(SimulatedMouseFile, ACompletedWriteIsSavedAndAnAbortedOneIsNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("eeprom.bin"));
    SimRig rig;
    rig.mouse.SetBackingFile(path);
    ASSERT_TRUE(rig.Open());
    EXPECT_FALSE(QFile::exists(path));  // nothing written yet

    ASSERT_TRUE(rig.link.WriteBlock(0x100, 12, Bytes(12, 0xAB)));
    ImageBuffer expected = PatternImage();
    std::fill_n(expected.begin() + 0x100, 12, Byte{0xAB});
    EXPECT_EQ(SimulatedMouse::LoadEepromFile(path), expected);

    rig.mouse.SetFault(Fault(QStringLiteral("nak-chunk=2")));
    EXPECT_FALSE(rig.link.WriteBlock(0x200, 12, Bytes(12, 0xCD)));
    EXPECT_EQ(SimulatedMouse::LoadEepromFile(path), expected);
    EXPECT_TRUE(rig.mouse.LastSaveError().isEmpty());
}

TEST(SimulatedMouseFile, AWriteThatCannotBeSavedIsNotAcknowledged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SimRig rig;
    rig.mouse.SetBackingFile(dir.filePath(QStringLiteral("no/such/folder/eeprom.bin")));
    ASSERT_TRUE(rig.Open());
    EXPECT_FALSE(rig.link.WriteBlock(0, 6, Bytes(6, 1)));
    EXPECT_FALSE(rig.mouse.LastSaveError().isEmpty());
}

}  // namespace
}  // namespace orvex
