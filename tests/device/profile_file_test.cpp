#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "config/FactoryImages.h"
#include "config/ProfileFile.h"

namespace orvex {
namespace {

QByteArray Bytes(const ImageBuffer& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

class ProfileFileTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

// ---- the file name ------------------------------------------------------

TEST(ProfileFileName, GetsBinOnlyWhenItDoesNotEndInIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"abc", "abc.bin"},
        {"abc.bin", "abc.bin"},
        {"abc.BIN", "abc.BIN"},
        {"abc.bin.txt", "abc.bin.txt.bin"},
        {"folder.bin/abc", "folder.bin/abc.bin"},
        {"abcbin", "abcbin.bin"},
    };
    for (const auto& [chosen, expected] : cases)
        EXPECT_EQ(ProfileFileName(QString::fromLatin1(chosen)), QString::fromLatin1(expected)) << chosen;
}

// ---- saving -------------------------------------------------------------

TEST_F(ProfileFileTest, SaveWritesExactlyTheImageAndReplacesAnOldFile)
{
    const QString path = Write(QStringLiteral("p.bin"), QByteArray(5000, 'x'));
    const ImageBuffer image = LoadFactoryImage(3);

    const FileSaveResult result = SaveProfileFile(path, image);

    EXPECT_TRUE(result.saved) << result.errorText.toStdString();
    EXPECT_EQ(Read(path), Bytes(image));
}

TEST_F(ProfileFileTest, SaveIntoAMissingFolderReportsAndCreatesNothing)
{
    const QString path = Path(QStringLiteral("missing/p.bin"));
    const FileSaveResult result = SaveProfileFile(path, LoadFactoryImage(1));
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.errorText.contains(path)) << result.errorText.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

// ---- loading ------------------------------------------------------------

TEST_F(ProfileFileTest, AProfileIsTakenAsItIsWhateverItsChecksums)
{
    ImageBuffer image = LoadFactoryImage(1);
    image[0x00] ^= 0x01;  // a ParameterASection that its checksum refuses
    const ProfileFileLoad load = LoadProfileFile(Write(QStringLiteral("p.bin"), Bytes(image)));
    ASSERT_TRUE(load.Loaded()) << load.errorText.toStdString();
    EXPECT_EQ(load.image, image);
}

TEST_F(ProfileFileTest, OfALongerFileOnlyTheFirst2048BytesCount)
{
    const ImageBuffer image = LoadFactoryImage(2);
    const ProfileFileLoad load
        = LoadProfileFile(Write(QStringLiteral("long.bin"), Bytes(image) + QByteArray(3000, '\x99')));
    ASSERT_TRUE(load.Loaded());
    EXPECT_EQ(load.image, image);
    EXPECT_EQ(load.bytesRead, kImageSize);
}

struct RefusedFile {
    const char* name;
    QByteArray bytes;
    FileLoadStatus status;
};

TEST_F(ProfileFileTest, ShortOrForeignFilesAreRefusedAsStr102)
{
    // A short file is refused outright, even when it holds the marker byte:
    // merged over another image it would write a mixture to the mouse.
    QByteArray shortWithMarker = Bytes(LoadFactoryImage(1)).left(kImageSize - 1);
    const RefusedFile cases[] = {
        {"empty", QByteArray(), FileLoadStatus::TooShort},
        {"hundred", QByteArray(100, '\x99'), FileLoadStatus::TooShort},
        {"one short", shortWithMarker, FileLoadStatus::TooShort},
        {"erased", QByteArray(kImageSize, '\xFF'), FileLoadStatus::WrongType},
        {"zeros", QByteArray(kImageSize, '\0'), FileLoadStatus::WrongType},
    };
    for (const RefusedFile& c : cases) {
        const ProfileFileLoad load = LoadProfileFile(Write(QStringLiteral("f.bin"), c.bytes));
        EXPECT_EQ(load.status, c.status) << c.name;
        EXPECT_TRUE(load.RefusedAsWrongType()) << c.name;
        EXPECT_FALSE(load.errorText.isEmpty()) << c.name;
    }
}

TEST_F(ProfileFileTest, AFileThatCannotBeOpenedIsReportedAsSuch)
{
    const ProfileFileLoad missing = LoadProfileFile(Path(QStringLiteral("nowhere.bin")));
    EXPECT_EQ(missing.status, FileLoadStatus::CannotOpen);
    EXPECT_FALSE(missing.RefusedAsWrongType());
    EXPECT_TRUE(missing.errorText.contains(QStringLiteral("nowhere.bin")));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.bin")));
    EXPECT_EQ(LoadProfileFile(Path(QStringLiteral("folder.bin"))).status, FileLoadStatus::CannotOpen);
}

// ---- macro-area files ---------------------------------------------------

TEST_F(ProfileFileTest, AMacroAreaFileMustHoldTheWhole1792Bytes)
{
    QByteArray bytes(4000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i % 253);

    const MacroAreaFileLoad whole = LoadMacroAreaFile(Write(QStringLiteral("m.bin"), bytes.left(1792)));
    ASSERT_TRUE(whole.Loaded());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(whole.area.data()), 1792), bytes.left(1792));

    const MacroAreaFileLoad longer = LoadMacroAreaFile(Write(QStringLiteral("m.bin"), bytes));
    ASSERT_TRUE(longer.Loaded());
    EXPECT_EQ(longer.area, whole.area);

    const MacroAreaFileLoad shorter = LoadMacroAreaFile(Write(QStringLiteral("m.bin"), bytes.left(1791)));
    EXPECT_EQ(shorter.status, FileLoadStatus::TooShort);
    EXPECT_TRUE(shorter.errorText.contains(QStringLiteral("1791"))) << shorter.errorText.toStdString();

    EXPECT_EQ(LoadMacroAreaFile(Path(QStringLiteral("none.bin"))).status, FileLoadStatus::CannotOpen);
}

}  // namespace
}  // namespace orvex
