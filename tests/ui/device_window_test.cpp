#include <QFile>
#include <QTemporaryDir>

#include "DeviceWindowFixture.h"
#include "app/LoadingForm.h"
#include "config/FactoryImages.h"
#include "device/Protocol.h"

namespace orvex::testing {
namespace {

using DeviceWindow = DeviceWindowTest;

TEST_F(DeviceWindow, FindsReadsAndUnlocksTheMouse)
{
    // A mouse whose EEPROM differs from the factory image: Mode B current.
    ImageBuffer eeprom = LoadFactoryImage(1);
    eeprom[0x30 + 4] = 0x80;
    eeprom[0x30 + 5] = 0x7F;
    Mouse().SetEeprom(eeprom);

    ConnectMouse();
    EXPECT_FALSE(state->NoDevicePage());
    EXPECT_EQ(window->VisiblePage(), 1);
    EXPECT_EQ(state->Image().buffer, eeprom);
    EXPECT_EQ(state->Page(), CurrentPage::ModeB);
    for (int copy = 1; copy <= 4; ++copy)
        EXPECT_EQ(Picture(QStringLiteral("Img_Second_%1").arg(copy)), QStringLiteral("SetS_03"));
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_FALSE(controller->Loading().isVisible());
    EXPECT_TRUE(device->DevTimer().isActive());
}

TEST_F(DeviceWindow, AnInterfaceWithoutTheMouseSaysWaitingToReconnect)
{
    Mouse().Unplug();
    Interfaces().AddUnrelatedInterfaces(1);
    controller->SwitchLanguage(3);
    Supervise();
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Waiting to reconnect device\n\n")});
    EXPECT_TRUE(window->PagesLocked());
    EXPECT_TRUE(state->NoDevicePage());
    EXPECT_FALSE(device->DeviceOpen());
}

TEST_F(DeviceWindow, UnpluggingTheMouseLocksThePages)
{
    ConnectMouse();
    Mouse().Unplug();
    Supervise();
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages().first()->text().startsWith(QStringLiteral("重新加载设备，请确认。")));
    EXPECT_TRUE(window->PagesLocked());
    EXPECT_EQ(state->Image().buffer, LoadFactoryImage(1));
}

TEST_F(DeviceWindow, AnUnrelatedInterfaceLeavesTheLoadedMouseAlone)
{
    ConnectMouse();
    Interfaces().AddUnrelatedInterfaces(1);
    Supervise();
    Interfaces().RemoveInterface(QStringLiteral("sim:extra0"));
    Supervise();
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_FALSE(window->PagesLocked());
    EXPECT_TRUE(device->DeviceOpen());
}

TEST_F(DeviceWindow, RefusedIdentitiesShowTheirMessages)
{
    const struct {
        const char* fault;
        const char* message;
        bool open;
    } cases[] = {
        {"identity=3,7", "滑鼠厂商编码或产品编码错误", true},
        {"chip=0x35", "正在查找指定设备", false},
        {"not-ready", "正在查找指定设备", false},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        SetFault(c.fault);
        Supervise();
        EXPECT_EQ(MessageTexts(), QStringList{QString::fromUtf8(c.message)}) << c.fault;
        EXPECT_EQ(device->DeviceOpen(), c.open) << c.fault;
        EXPECT_TRUE(window->PagesLocked()) << c.fault;
        EXPECT_TRUE(state->NoDevicePage()) << c.fault;
    }
}

TEST_F(DeviceWindow, ApplyWritesThePagesAndVerifies)
{
    ConnectMouse();
    SettingsModel settings = state->Settings();
    settings.fireInterval = 20;
    state->SetSettings(settings);
    Mouse().Log().Clear();
    AndWait([this] { Click(QStringLiteral("Btn_Apply_1")); });
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Mouse().Eeprom()[0xF0 + 8], 20);
    EXPECT_EQ(Mouse().Log().CountCommand(CommandCode::WriteDataCmd), 342);
    EXPECT_EQ(Mouse().Log().CountCommand(CommandCode::ReadDataCmd), 43);
    for (int copy = 1; copy <= 4; ++copy)
        EXPECT_EQ(Picture(QStringLiteral("Img_Apply_%1").arg(copy)), QStringLiteral("BtnS_03"));
    EXPECT_FALSE(window->PagesLocked());
}

TEST_F(DeviceWindow, FailedWritesSayFail)
{
    for (const char* fault : {"corrupt-readback=always", "nak-chunk=5"}) {
        TearDown();
        SetUp();
        ConnectMouse();
        SetFault(fault);
        controller->SwitchLanguage(3);
        AndWait([this] { Click(QStringLiteral("Btn_Apply_2")); });
        EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Fail")}) << fault;
        EXPECT_FALSE(window->PagesLocked()) << fault;
    }
}

TEST_F(DeviceWindow, AFailedReadKeepsTheImageItHad)
{
    ConnectMouse();
    const ImageBuffer before = state->Image().buffer;
    ImageBuffer changed = before;
    changed[0xF0 + 8] = 77;
    Mouse().SetEeprom(changed);
    SetFault("nak-chunk=100");
    AndWait([this] { Click(QStringLiteral("Btn_Read_1")); });
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("正在查找指定设备")});
    EXPECT_EQ(state->Image().buffer, before);
}

TEST_F(DeviceWindow, ResetRestoresFactoryImageOneByteForByte)
{
    ImageBuffer eeprom{};
    eeprom.fill(0x5A);
    eeprom[0x36] = eeprom[0x37] = 0xFF;  // a generic mouse, accepted
    Mouse().SetEeprom(eeprom);
    ConnectMouse();
    AndWait([this] { Click(QStringLiteral("Btn_Confirm1_1")); });
    EXPECT_EQ(Mouse().Eeprom(), LoadFactoryImage(1));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(DeviceWindow, WithoutAMouseTheDeviceButtonsSayFindingTheDevice)
{
    for (const char* button : {"Btn_Read_1", "Btn_Apply_1", "Btn_Confirm_1", "Btn_Confirm1_1", "Btn_Save_1",
                               "Btn_Load_1"}) {
        window->UnlockPages();
        Click(QLatin1String(button));
        QCoreApplication::processEvents();
        EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("正在查找指定设备")}) << button;
        CloseMessages();
    }
    // Confirm without a mouse never closes the program.
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DeviceWindow, ConfirmClosesOnlyAfterItsWrite)
{
    ConnectMouse();
    AndWait([this] { Click(QStringLiteral("Btn_Confirm_1")); });
    QTRY_VERIFY(!window->isVisible());
    EXPECT_EQ(Mouse().Log().CountCommand(CommandCode::WriteDataCmd), 342);
}

TEST_F(DeviceWindow, SaveAndLoadProfileRoundTrip)
{
    QTemporaryDir folder;
    ConnectMouse();
    const QString chosen = folder.filePath(QStringLiteral("mine"));
    device->SetFileChooser([&](bool) { return chosen; });
    AndWait([this] { Click(QStringLiteral("Btn_Save_1")); });
    const QString file = chosen + QStringLiteral(".bin");
    ASSERT_EQ(QFile(file).size(), 2048);

    // Loading it back writes the same bytes: the mouse is unchanged.
    const ImageBuffer before = Mouse().Eeprom();
    device->SetFileChooser([&](bool) { return file; });
    AndWait([this] { Click(QStringLiteral("Btn_Load_1")); });
    EXPECT_EQ(Mouse().Eeprom(), before);
    EXPECT_TRUE(Messages().isEmpty());

    // A short file is refused with the file-type message; nothing is written.
    const QString shortFile = folder.filePath(QStringLiteral("short.bin"));
    QFile out(shortFile);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray(100, '\x99'));
    out.close();
    Mouse().Log().Clear();
    device->SetFileChooser([&](bool) { return shortFile; });
    Click(QStringLiteral("Btn_Load_1"));
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("ORVEX71Data.bin文件类型错误")});
    EXPECT_EQ(Mouse().Log().CountCommand(CommandCode::WriteStartCmd), 0);
}

TEST_F(DeviceWindow, SaveAfterAFailedReadWritesNothing)
{
    QTemporaryDir folder;
    ConnectMouse();
    SetFault("nak-chunk=7");
    const QString chosen = folder.filePath(QStringLiteral("broken.bin"));
    device->SetFileChooser([&](bool) { return chosen; });
    AndWait([this] { Click(QStringLiteral("Btn_Save_1")); });
    EXPECT_FALSE(QFile::exists(chosen));
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("正在查找指定设备")});
}

}  // namespace
}  // namespace orvex::testing
