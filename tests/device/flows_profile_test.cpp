#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "config/FactoryImages.h"
#include "config/ProfileFile.h"
#include "device/ProfileFlows.h"
#include "device/WriteFlows.h"
#include "tests/device/FlowTraffic.h"
#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using namespace test;

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Bytes(const ImageBuffer& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

struct ProfileRig {
    explicit ProfileRig(SimFault fault = {}, const ImageBuffer& image = LoadFactoryImage(2))
        : rig(std::move(fault), image)
        , supervision(rig.link, rig.clock)
    {
        EXPECT_TRUE(rig.Open());
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    SimRig rig;
    Supervision supervision;
    QTemporaryDir dir;
};

TEST(SaveProfile, ReadsTheMouseAndSavesWhatItHolds)
{
    ProfileRig p;
    const SaveProfileOutcome outcome = SaveProfile(p.supervision, p.rig.link, p.Path(QStringLiteral("abc")));

    ASSERT_TRUE(outcome.Succeeded()) << outcome.fileError.toStdString();
    EXPECT_EQ(outcome.path, p.Path(QStringLiteral("abc.bin")));
    EXPECT_EQ(ReadFile(outcome.path), Bytes(LoadFactoryImage(2)));
}

TEST(SaveProfile, ANameEndingInBinIsKept)
{
    ProfileRig p;
    const SaveProfileOutcome outcome = SaveProfile(p.supervision, p.rig.link, p.Path(QStringLiteral("abc.bin")));
    ASSERT_TRUE(outcome.Succeeded());
    EXPECT_TRUE(QFile::exists(p.Path(QStringLiteral("abc.bin"))));
    EXPECT_FALSE(QFile::exists(p.Path(QStringLiteral("abc.bin.bin"))));
}

struct FailedReadCase {
    const char* name;
    const char* fault;
    FlowResult result;
};

class SaveAfterFailedRead : public ::testing::TestWithParam<FailedReadCase> {};

TEST_P(SaveAfterFailedRead, WritesNothingAndLeavesAnOldFileAlone)
{
    ProfileRig p(Fault(QString::fromLatin1(GetParam().fault)));
    const QString existing = p.Path(QStringLiteral("old.bin"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("previous profile");
    }
    const SaveProfileOutcome outcome = SaveProfile(p.supervision, p.rig.link, existing);
    EXPECT_EQ(outcome.read.result, GetParam().result);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(ReadFile(existing), QByteArray("previous profile"));

    const SaveProfileOutcome fresh = SaveProfile(p.supervision, p.rig.link, p.Path(QStringLiteral("new")));
    EXPECT_FALSE(fresh.saved);
    EXPECT_FALSE(QFile::exists(fresh.path));
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveAfterFailedRead,
                         ::testing::Values(FailedReadCase{"RefusedChunk", "nak-chunk=9", FlowResult::ReadFailed},
                                           FailedReadCase{"Silent", "silent", FlowResult::NoAnswer},
                                           FailedReadCase{"IdentityRefused", "identity=3,7",
                                                          FlowResult::IdentityRefused}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveProfile, AFileThatCannotBeCreatedIsReportedAfterAGoodRead)
{
    ProfileRig p;
    const SaveProfileOutcome outcome
        = SaveProfile(p.supervision, p.rig.link, p.Path(QStringLiteral("missing/abc")));
    EXPECT_TRUE(outcome.read.Succeeded());
    EXPECT_FALSE(outcome.saved);
    EXPECT_FALSE(outcome.fileError.isEmpty());
}

TEST(ProfileRoundTrip, SavingAndLoadingTheSameFileChangesNothingOnTheMouse)
{
    ProfileRig p;
    const ImageBuffer before = p.rig.mouse.Eeprom();
    const SaveProfileOutcome saved = SaveProfile(p.supervision, p.rig.link, p.Path(QStringLiteral("same")));
    ASSERT_TRUE(saved.Succeeded());

    const ProfileFileLoad load = LoadProfileFile(saved.path);
    ASSERT_TRUE(load.Loaded()) << load.errorText.toStdString();
    p.rig.Log().Clear();
    const FlowOutcome written = MemoToDataBuf_OnClick(p.rig.link, load.image);

    EXPECT_EQ(written.result, FlowResult::Success);
    EXPECT_EQ(written.verification, VerifyResult::Matched);
    EXPECT_EQ(p.rig.Log().CountCommand(kWriteStart), 1);  // no rewrite
    EXPECT_EQ(p.rig.mouse.Eeprom(), before);
}

}  // namespace
}  // namespace orvex
