#include "macro/MacroLibrary.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

#include "macro/MacroCodec.h"
#include "macro/MacroName.h"

namespace orvex {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One 256-byte library record: the name field, then a record whose steps are
// a single button press with the given code.
QByteArray SlotBytes(const QString& name, Byte buttonCode = 0xA1)
{
    const MacroNameField field = EncodeMacroName(name);
    MacroScript script;
    script.lines = QStringList{QStringLiteral("00"),
                               QStringLiteral("1 Button CODE:00%1").arg(buttonCode, 2, 16, QLatin1Char('0'))};
    const MacroRecord record = MacroScriptToBuf(script).record;
    QByteArray bytes(reinterpret_cast<const char*>(field.data()), field.size());
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    return bytes;
}

QByteArray LibraryBytes(const QStringList& names)
{
    QByteArray bytes;
    for (int i = 0; i < names.size(); ++i)
        bytes.append(SlotBytes(names[i], static_cast<Byte>(0xA1 + i % 4)));
    bytes.append(QByteArray(kLibraryFileSize - bytes.size(), '\0'));
    return bytes;
}

class MacroLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // A library with the given macros, loaded from a file of its own.
    MacroLibrary LibraryWith(const QStringList& names)
    {
        const QString path = PathOf(QStringLiteral("start.bin"));
        EXPECT_TRUE(WriteFile(path, LibraryBytes(names)));
        MacroLibrary library;
        EXPECT_TRUE(library.Load(path).Succeeded());
        return library;
    }

    QTemporaryDir m_dir;
};

TEST_F(MacroLibraryTest, FirstStartCreatesTheFileFromTheInitialLibrary)
{
    const QString path = PathOf(QString::fromLatin1(kLibraryFileName));
    MacroLibrary library;
    const LibraryOutcome outcome = library.Load(path);
    ASSERT_TRUE(outcome.Succeeded()) << outcome.errorText.toStdString();
    EXPECT_FALSE(library.IsChanged());

    const QByteArray file = ReadAll(path);
    ASSERT_EQ(file.size(), kLibraryFileSize);
    EXPECT_EQ(file, library.ToFileBytes());
    ASSERT_EQ(library.Count(), 22);

    MacroRecord example{};
    const Byte bytes[] = {0x01, 0x0A, 0xFD, 0x04, 0xA1, 0xFE, 0x0A, 0x21, 0xFA, 0x02, 0xFC, 0x97};
    std::copy(std::begin(bytes), std::end(bytes), example.begin());
    EXPECT_EQ(library.Record(0), example);

    QSet<QString> names;
    for (int row = 0; row < 22; ++row) {
        const MacroRecord record = library.Record(row);
        EXPECT_TRUE(RecordChecksumValid(record)) << row;
        EXPECT_EQ(MacroScriptToBuf(MacroBufToScript(record)).record, record) << row;
        EXPECT_FALSE(library.Name(row).isEmpty()) << row;
        names.insert(library.Name(row));
    }
    EXPECT_EQ(names.size(), 22);
    for (int row = 22; row < kLibraryCapacity; ++row) {
        EXPECT_EQ(library.NameField(row), MacroNameField{}) << row;
        EXPECT_EQ(library.Record(row), MacroRecord{}) << row;
    }
}

TEST_F(MacroLibraryTest, ShortFileLoadsWhatItHolds)
{
    QStringList names;
    for (int i = 0; i < 30; ++i)
        names.append(QStringLiteral("M%1").arg(i));
    const QByteArray full = LibraryBytes(names);
    const QString path = PathOf(QStringLiteral("short.bin"));
    ASSERT_TRUE(WriteFile(path, full.left(5000)));

    MacroLibrary library;
    ASSERT_TRUE(library.Load(path).Succeeded());
    // 19 whole records; the 20th has its name and 104 of its record bytes.
    ASSERT_EQ(library.Count(), 20);
    EXPECT_EQ(library.ToFileBytes().left(19 * kMacroSlotSize), full.left(19 * kMacroSlotSize));
    EXPECT_EQ(library.Name(19), QStringLiteral("M19"));
    const MacroRecord partial = library.Record(19);
    const QByteArray partialStart = full.mid(19 * kMacroSlotSize + kMacroNameSize, 104);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(partial.data()), 104), partialStart);
    EXPECT_TRUE(std::all_of(partial.begin() + 104, partial.end(), [](Byte b) { return b == 0; }));
    EXPECT_EQ(library.NameField(20), MacroNameField{});
}

TEST_F(MacroLibraryTest, ForeignFileWithGapsIsMovedTogether)
{
    QByteArray bytes = LibraryBytes({"A", "", "B", "", "", "C"});
    // A record with an empty name counts as empty, whatever follows it.
    bytes[kMacroSlotSize + 40] = 0x33;
    const QString path = PathOf(QStringLiteral("gaps.bin"));
    ASSERT_TRUE(WriteFile(path, bytes));
    MacroLibrary library;
    ASSERT_TRUE(library.Load(path).Succeeded());
    EXPECT_EQ(library.Names(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(library.Record(1)[2], 0xA3);
    EXPECT_EQ(library.Record(3), MacroRecord{});
}

TEST_F(MacroLibraryTest, NewAppendsUniqueNames)
{
    MacroLibrary library = LibraryWith({"Alpha", "Beta"});
    const LibraryOutcome added = library.New(QStringLiteral("Gamma"));
    ASSERT_TRUE(added.Succeeded());
    EXPECT_EQ(added.row, 2);
    EXPECT_TRUE(library.IsChanged());
    EXPECT_EQ(library.Names(), (QStringList{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(library.Record(2), MacroRecord{});

    const struct {
        const char* name;
        LibraryStatus status;
    } refused[] = {
        {"Beta", LibraryStatus::DuplicateName},
        {"", LibraryStatus::EmptyName},
    };
    for (const auto& c : refused) {
        const QByteArray before = library.ToFileBytes();
        EXPECT_EQ(library.New(QString::fromLatin1(c.name)).status, c.status) << c.name;
        EXPECT_EQ(library.ToFileBytes(), before) << c.name;
    }

    // Names keep 16 units; a longer one equal in those is a duplicate.
    ASSERT_TRUE(library.New(QStringLiteral("ABCDEFGHIJKLMNOPQ")).Succeeded());
    EXPECT_EQ(library.Name(3), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(library.New(QStringLiteral("ABCDEFGHIJKLMNOPXYZ")).status, LibraryStatus::DuplicateName);
}

TEST_F(MacroLibraryTest, NewDoesNothingAtOneHundred)
{
    MacroLibrary library;
    for (int i = 0; i < kLibraryCapacity; ++i)
        ASSERT_TRUE(library.New(QStringLiteral("M%1").arg(i)).Succeeded()) << i;
    EXPECT_TRUE(library.IsFull());
    const QByteArray before = library.ToFileBytes();
    EXPECT_EQ(library.New(QStringLiteral("One more")).status, LibraryStatus::LibraryFull);
    EXPECT_EQ(library.ToFileBytes(), before);
    EXPECT_EQ(library.Count(), kLibraryCapacity);
}

TEST_F(MacroLibraryTest, RenameRefusesExistingNamesIncludingItsOwn)
{
    MacroLibrary library = LibraryWith({"Alpha", "Beta"});
    EXPECT_EQ(library.Rename(0, QStringLiteral("Alpha")).status, LibraryStatus::DuplicateName);
    EXPECT_EQ(library.Rename(0, QStringLiteral("Beta")).status, LibraryStatus::DuplicateName);
    EXPECT_EQ(library.Rename(0, QString()).status, LibraryStatus::EmptyName);
    EXPECT_EQ(library.Rename(2, QStringLiteral("Gamma")).status, LibraryStatus::NoSuchRow);
    EXPECT_FALSE(library.IsChanged());

    const MacroRecord record = library.Record(0);
    ASSERT_TRUE(library.Rename(0, QStringLiteral("Omega")).Succeeded());
    EXPECT_EQ(library.Names(), (QStringList{"Omega", "Beta"}));
    EXPECT_EQ(library.NameField(0), EncodeMacroName(QStringLiteral("Omega")));
    EXPECT_EQ(library.Record(0), record);
    EXPECT_TRUE(library.IsChanged());
}

TEST_F(MacroLibraryTest, DeleteMovesTheRecordsBehindDown)
{
    MacroLibrary library = LibraryWith({"A", "B", "C"});
    const MacroRecord recordB = library.Record(1);
    const MacroRecord recordC = library.Record(2);

    const LibraryOutcome deleted = library.Delete(0);
    ASSERT_TRUE(deleted.Succeeded());
    EXPECT_EQ(deleted.row, 0);
    EXPECT_EQ(library.Names(), (QStringList{"B", "C"}));
    EXPECT_EQ(library.Record(0), recordB);
    EXPECT_EQ(library.Record(1), recordC);
    EXPECT_EQ(library.NameField(2), MacroNameField{});
    EXPECT_EQ(library.Record(2), MacroRecord{});

    EXPECT_EQ(library.Delete(1).row, 0);
    EXPECT_EQ(library.Delete(0).row, -1);
    EXPECT_EQ(library.Count(), 0);
    EXPECT_EQ(library.Delete(0).status, LibraryStatus::NoSuchRow);
}

TEST_F(MacroLibraryTest, ImportOneAppendsTheFirstRecord)
{
    MacroLibrary library = LibraryWith({"A", "B"});
    const QString file = PathOf(QStringLiteral("whole.bin"));
    ASSERT_TRUE(WriteFile(file, LibraryBytes({"New", "Other"})));

    const LibraryOutcome imported = library.ImportOne(file);
    ASSERT_TRUE(imported.Succeeded()) << imported.errorText.toStdString();
    EXPECT_EQ(imported.row, 2);
    EXPECT_EQ(library.Names(), (QStringList{"A", "B", "New"}));
    EXPECT_EQ(library.ToFileBytes().mid(2 * kMacroSlotSize, kMacroSlotSize), SlotBytes("New", 0xA1));
    EXPECT_TRUE(library.IsChanged());
}

TEST_F(MacroLibraryTest, ImportOneRefusals)
{
    const QString duplicate = PathOf(QStringLiteral("dup.bin"));
    ASSERT_TRUE(WriteFile(duplicate, SlotBytes("B", 0xA4)));
    const QString shortFile = PathOf(QStringLiteral("short.bin"));
    ASSERT_TRUE(WriteFile(shortFile, SlotBytes("Short").left(255)));
    const QString unnamed = PathOf(QStringLiteral("unnamed.bin"));
    ASSERT_TRUE(WriteFile(unnamed, QByteArray(kMacroSlotSize, '\0')));

    const struct {
        const char* what;
        QString file;
        LibraryStatus status;
    } cases[] = {
        {"duplicate name", duplicate, LibraryStatus::DuplicateName},
        {"file under 256 bytes", shortFile, LibraryStatus::FileTooShort},
        {"record without a name", unnamed, LibraryStatus::EmptyName},
        {"missing file", PathOf(QStringLiteral("missing.bin")), LibraryStatus::FileError},
    };
    for (const auto& c : cases) {
        MacroLibrary library = LibraryWith({"A", "B"});
        const QByteArray before = library.ToFileBytes();
        const LibraryOutcome outcome = library.ImportOne(c.file);
        EXPECT_EQ(outcome.status, c.status) << c.what;
        EXPECT_FALSE(outcome.errorText.isEmpty()) << c.what;
        EXPECT_EQ(library.ToFileBytes(), before) << c.what;
        EXPECT_FALSE(library.IsChanged()) << c.what;
    }
}

TEST_F(MacroLibraryTest, ImportOneRefusesFromNinetyNineMacrosOn)
{
    const QString file = PathOf(QStringLiteral("one.bin"));
    ASSERT_TRUE(WriteFile(file, SlotBytes("Extra")));
    MacroLibrary library;
    for (int i = 0; i < 98; ++i)
        ASSERT_TRUE(library.New(QStringLiteral("M%1").arg(i)).Succeeded());
    ASSERT_TRUE(library.ImportOne(file).Succeeded());
    EXPECT_EQ(library.Count(), 99);
    EXPECT_EQ(library.ImportOne(file).status, LibraryStatus::LibraryFull);
    EXPECT_EQ(library.Count(), 99);
}

TEST_F(MacroLibraryTest, ImportAllTakesTheFirst25600Bytes)
{
    const QByteArray other = LibraryBytes({"X", "Y", "Z"});
    const struct {
        const char* what;
        QByteArray bytes;
        bool accepted;
    } cases[] = {
        {"exact size", other, true},
        {"longer", other + QByteArray(400, '\x55'), true},
        {"one byte short", other.left(kLibraryFileSize - 1), false},
        {"one record", other.left(kMacroSlotSize), false},
    };
    for (const auto& c : cases) {
        MacroLibrary library = LibraryWith({"A", "B"});
        const QByteArray before = library.ToFileBytes();
        const QString file = PathOf(QStringLiteral("all.bin"));
        ASSERT_TRUE(WriteFile(file, c.bytes));
        const LibraryOutcome outcome = library.ImportAll(file);
        if (c.accepted) {
            EXPECT_TRUE(outcome.Succeeded()) << c.what;
            EXPECT_EQ(library.ToFileBytes(), other) << c.what;
            EXPECT_EQ(library.Names(), (QStringList{"X", "Y", "Z"})) << c.what;
            EXPECT_TRUE(library.IsChanged()) << c.what;
        } else {
            EXPECT_EQ(outcome.status, LibraryStatus::FileTooShort) << c.what;
            EXPECT_EQ(library.ToFileBytes(), before) << c.what;
            EXPECT_FALSE(library.IsChanged()) << c.what;
        }
    }
}

TEST_F(MacroLibraryTest, ExportsWriteOneOrAllRecords)
{
    MacroLibrary library = LibraryWith({"A", "B", "C"});
    ASSERT_TRUE(library.ExportOne(1, PathOf(QStringLiteral("my"))).Succeeded());
    EXPECT_EQ(ReadAll(PathOf(QStringLiteral("my.bin"))), library.ToFileBytes().mid(kMacroSlotSize, kMacroSlotSize));

    // Choosing the existing my.bin overwrites it instead of making my.bin.bin.
    ASSERT_TRUE(library.ExportOne(2, PathOf(QStringLiteral("my.bin"))).Succeeded());
    EXPECT_EQ(ReadAll(PathOf(QStringLiteral("my.bin"))).size(), kMacroSlotSize);
    EXPECT_EQ(ReadAll(PathOf(QStringLiteral("my.bin"))), library.ToFileBytes().mid(2 * kMacroSlotSize, kMacroSlotSize));
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("my.bin.bin"))));
    EXPECT_EQ(library.ExportOne(3, PathOf(QStringLiteral("none"))).status, LibraryStatus::NoSuchRow);

    ASSERT_TRUE(library.ExportAll(PathOf(QStringLiteral("everything"))).Succeeded());
    EXPECT_EQ(ReadAll(PathOf(QStringLiteral("everything.bin"))), library.ToFileBytes());

    MacroLibrary other;
    ASSERT_TRUE(other.ImportAll(PathOf(QStringLiteral("everything.bin"))).Succeeded());
    EXPECT_EQ(other.ToFileBytes(), library.ToFileBytes());

    // An exported macro imports again into another library.
    MacroLibrary fresh = LibraryWith({"Q"});
    ASSERT_TRUE(fresh.ImportOne(PathOf(QStringLiteral("my.bin"))).Succeeded());
    EXPECT_EQ(fresh.Names(), (QStringList{"Q", "C"}));
    EXPECT_EQ(fresh.Record(1), library.Record(2));
}

TEST_F(MacroLibraryTest, SaveWritesTheWholeLibraryAndClearsTheChange)
{
    MacroLibrary library = LibraryWith({"A"});
    ASSERT_TRUE(library.New(QStringLiteral("B")).Succeeded());
    MacroRecord record{};
    record[1] = 0x02;
    record[2] = 0xA1;
    ASSERT_TRUE(library.SetRecord(1, record).Succeeded());
    EXPECT_EQ(library.SetRecord(2, record).status, LibraryStatus::NoSuchRow);

    const QString path = PathOf(QStringLiteral("saved.bin"));
    ASSERT_TRUE(library.Save(path).Succeeded());
    EXPECT_FALSE(library.IsChanged());
    EXPECT_EQ(ReadAll(path), library.ToFileBytes());

    MacroLibrary reloaded;
    ASSERT_TRUE(reloaded.Load(path).Succeeded());
    EXPECT_EQ(reloaded.Names(), (QStringList{"A", "B"}));
    EXPECT_EQ(reloaded.Record(1), record);
}

TEST_F(MacroLibraryTest, FailedSaveKeepsTheOldFileAndReports)
{
    // The name leaves no room in the directory entry for the temporary name
    // the file is replaced through, so the replacement cannot happen.
    const QString path = PathOf(QString(250, QLatin1Char('x')));
    const QByteArray old = LibraryBytes({"Old"});
    ASSERT_TRUE(WriteFile(path, old));

    MacroLibrary library = LibraryWith({"New"});
    ASSERT_TRUE(library.New(QStringLiteral("Newer")).Succeeded());
    const LibraryOutcome outcome = library.Save(path);
    EXPECT_EQ(outcome.status, LibraryStatus::FileError);
    EXPECT_FALSE(outcome.errorText.isEmpty());
    EXPECT_TRUE(library.IsChanged());
    EXPECT_EQ(ReadAll(path), old);
}

TEST_F(MacroLibraryTest, SaveIntoUnwritableFolderKeepsTheOldFileAndReports)
{
    const QString folder = PathOf(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/lib.bin");
    const QByteArray old = LibraryBytes({"Old"});
    ASSERT_TRUE(WriteFile(path, old));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    if (access(QFile::encodeName(folder).constData(), W_OK) == 0) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user may write into read-only folders";
    }

    MacroLibrary library = LibraryWith({"New"});
    const LibraryOutcome outcome = library.Save(path);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(outcome.status, LibraryStatus::FileError);
    EXPECT_FALSE(outcome.errorText.isEmpty());
    EXPECT_EQ(ReadAll(path), old);
}

TEST_F(MacroLibraryTest, LoadOfAnUnreadablePathReports)
{
    // A folder where the file should be: it exists but cannot be read as a file.
    const QString path = PathOf(QStringLiteral("folder.bin"));
    ASSERT_TRUE(QDir().mkpath(path));
    MacroLibrary library = LibraryWith({"Kept"});
    EXPECT_EQ(library.Load(path).status, LibraryStatus::FileError);
    EXPECT_EQ(library.Names(), QStringList{"Kept"});
}

TEST(LibraryFilePathTest, LayoutPathIsAPrefix)
{
    EXPECT_EQ(LibraryFilePath(QStringLiteral("/opt/orvex/")), QStringLiteral("/opt/orvex/ORVEX71-Macro.bin"));
    EXPECT_EQ(LibraryFilePath(QStringLiteral("data_")), QStringLiteral("data_ORVEX71-Macro.bin"));
}

TEST(LibraryFilePathTest, WithoutLayoutPathTheUsersDataFolderIsCreated)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    const QString oldName = QCoreApplication::applicationName();
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    QCoreApplication::setApplicationName(QStringLiteral("orvex71-test"));

    const QString path = LibraryFilePath(QString());

    QCoreApplication::setApplicationName(oldName);
    if (oldDataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldDataHome);

    EXPECT_TRUE(path.startsWith(home.path() + QLatin1Char('/'))) << path.toStdString();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/ORVEX71-Macro.bin"))) << path.toStdString();
    EXPECT_TRUE(QFileInfo(QFileInfo(path).path()).isDir());
}

TEST(WithBinSuffixTest, AppendsOnlyWhenMissing)
{
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"my", "my.bin"}, {"my.bin", "my.bin"}, {"my.BIN", "my.BIN"},
        {"my.bin.txt", "my.bin.txt.bin"}, {"mybin", "mybin.bin"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithBinSuffix(QString::fromLatin1(c.name)), QString::fromLatin1(c.expected)) << c.name;
}

}  // namespace
}  // namespace orvex
