#include "perf/EngineerPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/NumericEdit.h"

namespace orvex {
namespace {

template <class T>
T* Find(const QWidget* page, const QString& name)
{
    T* control = page->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Records the arguments of every emission of one signal while it lives.
template <class Value>
class SignalLog : public QObject {
public:
    template <class Signal>
    SignalLog(const EngineerPage* page, Signal signal)
    {
        connect(page, signal, this, [this](auto... args) { m_values.push_back(Value{args...}); });
    }
    int size() const { return static_cast<int>(m_values.size()); }
    Value operator[](int i) const { return m_values.at(i); }
    Value last() const { return m_values.back(); }

private:
    std::vector<Value> m_values;
};

struct NoValue {};

QStringList Family(const char* pattern, int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << QString::fromLatin1(pattern).arg(n);
    return names;
}

class EngineerPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_page = std::make_unique<EngineerPage>();
        m_page->ApplyEngineerCaptions(TermLanguage::English);
        m_page->ShowSettings(SettingsModel{});
    }

    template <class T = QWidget>
    T* Control(const char* name) const
    {
        return Find<T>(m_page.get(), QString::fromLatin1(name));
    }

    TIntEdit* Edit(const char* name) const { return Control<TIntEdit>(name); }
    QComboBox* Combo(const char* name) const { return Control<QComboBox>(name); }

    void DoubleClickLogo() const
    {
        QWidget* logo = Control("Img_Logo4");
        const QPointF at(10, 10);
        QMouseEvent event(QEvent::MouseButtonDblClick, at, logo->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(logo, &event);
    }

    QDialog* PasswordDialog() const { return m_page->window()->findChild<QDialog*>(QStringLiteral("dlgPass")); }
    bool PasswordAsked() const { return PasswordDialog() && PasswordDialog()->isVisible(); }

    void AnswerPassword(const QString& code, bool ok) const
    {
        QDialog* dialog = PasswordDialog();
        ASSERT_TRUE(dialog && dialog->isVisible());
        dialog->findChild<QLineEdit*>()->setText(code);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    }

    bool EngineerTabShown() const
    {
        auto* notebook = Control<QTabWidget>("Pg_Parameter");
        return notebook->isTabVisible(notebook->indexOf(Control("ts_Engineer")));
    }

    void ExpectLocked(bool locked) const
    {
        EXPECT_EQ(m_page->EngineerUnlocked(), !locked);
        EXPECT_EQ(EngineerTabShown(), !locked);
        EXPECT_EQ(Control("Btn_Default")->isHidden(), locked);
        for (const char* name : {"gbLEDType", "rb_NorLED", "rb_MCULED", "gbMCULEDControlMode", "rb_MCULED3Control",
                                 "rb_MCULED6Control", "lbl_SensorOri", "cb_SensorOri"})
            EXPECT_EQ(Control(name)->isEnabled(), !locked) << name;
    }

    // Types like the keyboard does: the key events go through the edit's filter.
    void Type(QWidget* edit, Qt::Key key, const QString& text = {}) const
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
    }

    std::unique_ptr<EngineerPage> m_page;
};

// --- the controls

TEST_F(EngineerPageTest, EveryDocumentedControlExistsWithItsName)
{
    EXPECT_EQ(m_page->objectName(), QStringLiteral("gbPage6"));
    EXPECT_EQ(m_page->size(), QSize(1076, 640));

    QStringList names = {
        "Img_Logo4", "Btn_Main_6", "Btn_Switch_6", "Btn_Adv_6", "Btn_Breath_6", "Btn_Macro_6", "Btn_Engineer_6",
        "Btn_Load_6", "Btn_Save_6", "btn_TestKeys", "Btn_Default", "btn_Write", "Btn_ImportBaseMacro", "Btn_Close",
        "Img_Result", "Pg_Parameter", "ts_Operator", "ts_Engineer", "lbl_Content", "lbl_Notes",
        // groups
        "gbKeyMode1", "gbKeyMode2", "gbCPI", "gbLEDType", "gbLEDStatus", "gbMCPI", "gbLCPI", "gbFireFn", "gbFireMode",
        "gbMCULEDControlMode", "gbMCULEDCurrent", "gbMCULEDMode", "gbNorLEDMode", "gbNorLEDSetting",
        "gbNorLEDCPIColor", "gbMCULEDCPIColor", "gbKeyModeColor", "gbSwitchFn", "gbSaveKeyMode",
        // combo boxes
        "cb_CPIStep", "cb_CurrentCPI", "cb_AIMKeyValue", "cb_MCULEDCurrentMode", "cb_FireCount", "cb_KeyMode",
        "cb_SensorOri",
        // radio buttons
        "rb_NorLED", "rb_MCULED", "rb_LEDOn", "rb_LEDOff", "rb_MCPIOn", "rb_MCPIOff", "rb_LCPIOn", "rb_LCPIOff",
        "rb_FireFnOn", "rb_FireFnOff", "rb_MCULED3Control", "rb_MCULED6Control", "rb_NorLEDCPI", "rb_Save",
        "rb_NoSave",
        // check boxes
        "cb_MidPress", "cb_CPIPress", "cb_GunPress",
        // edits
        "edt_KeyMode1R", "edt_KeyMode1G", "edt_KeyMode1B", "edt_KeyMode2R", "edt_KeyMode2G", "edt_KeyMode2B",
        "edt_FireTime", "edt_MCULEDCrtStep", "edt_MCULEDNum", "edt_NorLEDStep", "edt_VendorID", "edt_ProductID",
        "edt_VendorID_Rd", "edt_ProductID_Rd",
        // labels
        "lbl_KeyMode1R", "lbl_KeyMode1G", "lbl_KeyMode1B", "lbl_KeyMode2R", "lbl_KeyMode2G", "lbl_KeyMode2B",
        "lbl_FireCount", "lbl_FireTime", "lbl_NorLEDStep", "lbl_MCULEDNum", "lbl_MCULEDCrtMode",
        "lbl_MCULEDCrtStep", "lbl_VendorID", "lbl_ProductID", "lbl_VendorID_Rd", "lbl_ProductID_Rd",
        "lbl_SensorOri", "lbl_TLAIMKey", "lbl_KeyMode", "lbl_CPIStep", "lbl_CurrentCPI"};
    names << Family("btn_Key%1", 101, 109) << Family("btn_Key%1", 201, 209) << Family("cb_CPI%1", 1, 7)
          << Family("cb_CPI%1Color", 1, 7) << Family("cb_Mode%1", 1, 7) << Family("lbl_CPI%1", 1, 7)
          << Family("lbl_CPI%1Color", 1, 7);
    for (const char* component : {"R", "G", "B"}) {
        names << Family((QStringLiteral("edt_CPI%1") + QLatin1String(component)).toLatin1().constData(), 1, 7);
        names << Family((QStringLiteral("lbl_CPI%1") + QLatin1String(component)).toLatin1().constData(), 1, 7);
    }

    for (const QString& name : names) {
        const QList<QWidget*> found = m_page->findChildren<QWidget*>(name);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
    }
    for (const char* name : {"edt_FireTime", "edt_VendorID", "edt_CPI7B", "edt_KeyMode2G", "edt_ProductID_Rd"})
        EXPECT_NE(qobject_cast<TIntEdit*>(Control(name)), nullptr) << name;
    EXPECT_TRUE(Edit("edt_VendorID_Rd")->isReadOnly());
    EXPECT_TRUE(Edit("edt_ProductID_Rd")->isReadOnly());
}

TEST_F(EngineerPageTest, StartsLockedWithHiddenEngineerTabAndResult)
{
    ExpectLocked(true);
    EXPECT_TRUE(Control("Img_Result")->isHidden());
    m_page->ShowResultMark(true);
    EXPECT_FALSE(Control("Img_Result")->isHidden());
}

TEST_F(EngineerPageTest, EachRadioPairExcludesOnlyItsPartner)
{
    const std::pair<const char*, const char*> pairs[] = {
        {"rb_NorLED", "rb_MCULED"},       {"rb_LEDOn", "rb_LEDOff"},
        {"rb_MCPIOn", "rb_MCPIOff"},      {"rb_LCPIOn", "rb_LCPIOff"},
        {"rb_FireFnOn", "rb_FireFnOff"},  {"rb_MCULED3Control", "rb_MCULED6Control"},
        {"rb_NorLEDCPI", "rb_NorLEDCustom"}, {"rb_Save", "rb_NoSave"},
    };
    for (const auto& [first, second] : pairs)
        Control<QRadioButton>(first)->setChecked(true);
    for (const auto& [first, second] : pairs) {
        EXPECT_TRUE(Control<QRadioButton>(first)->isChecked()) << first;
        EXPECT_FALSE(Control<QRadioButton>(second)->isChecked()) << second;
    }
    for (const auto& [first, second] : pairs)
        Control<QRadioButton>(second)->setChecked(true);
    for (const auto& [first, second] : pairs)
        EXPECT_FALSE(Control<QRadioButton>(first)->isChecked()) << first;
}

// --- captions

TEST_F(EngineerPageTest, EnglishCaptions)
{
    auto* notebook = Control<QTabWidget>("Pg_Parameter");
    EXPECT_EQ(Control<QPushButton>("Btn_Main_6")->text(), "Mode A");
    EXPECT_EQ(Control<QPushButton>("Btn_Breath_6")->text(), "Breathing Light");
    EXPECT_EQ(Control<QPushButton>("btn_Write")->text(), "Apply");
    EXPECT_EQ(Control<QPushButton>("Btn_Default")->text(), "Default");
    EXPECT_EQ(notebook->tabText(notebook->indexOf(Control("ts_Operator"))), "Operation");
    EXPECT_EQ(notebook->tabText(notebook->indexOf(Control("ts_Engineer"))), "Engineer");
    EXPECT_EQ(Control<QGroupBox>("gbMCPI")->title(), "LED Switch(M+CPI)");
    EXPECT_EQ(Control<QGroupBox>("gbKeyMode2")->title(), "Mode B");
    EXPECT_EQ(Control<QRadioButton>("rb_LCPIOn")->text(), "On");
    EXPECT_EQ(Control<QRadioButton>("rb_LCPIOff")->text(), "Off");
    EXPECT_EQ(Control<QCheckBox>("cb_Mode4")->text(), "Mode 4");
    EXPECT_EQ(Control<QLabel>("lbl_KeyMode1B")->text(), "Mode1 B::");  // as the table has it
    EXPECT_EQ(Control<QLabel>("lbl_CPI7")->text(), "CPI 7:");
    EXPECT_EQ(Control<QLabel>("lbl_ProductID_Rd")->text(), "Product ID:");
    EXPECT_EQ(Control<QLabel>("lbl_Notes")->text(), "Notes: ");

    EXPECT_EQ(Items(Combo("cb_SensorOri")),
              QStringList({"0°", "90°", "180°", "270°", "X Reverse", "Y Reverse", "XY Swap XY Reverse",
                           "XY Swap XY NoReverse"}));
    EXPECT_EQ(Items(Combo("cb_CPI5Color")),
              QStringList({"Red", "Green", "Yellow", "Blue", "Purple", "Cyan", "White"}));
    EXPECT_EQ(Items(Combo("cb_KeyMode")), QStringList({"Mode A", "Mode B"}));
}

TEST_F(EngineerPageTest, ChineseCaptions)
{
    m_page->ApplyEngineerCaptions(TermLanguage::Chinese);
    auto* notebook = Control<QTabWidget>("Pg_Parameter");
    EXPECT_EQ(Control<QPushButton>("btn_Write")->text(), QString::fromUtf8("写入设备"));
    EXPECT_EQ(Control<QPushButton>("Btn_ImportBaseMacro")->text(), QString::fromUtf8("导入普通宏"));
    EXPECT_EQ(notebook->tabText(notebook->indexOf(Control("ts_Engineer"))), QString::fromUtf8("工程人员界面"));
    EXPECT_EQ(Control<QRadioButton>("rb_MCULED")->text(), QString::fromUtf8("流光灯"));
    EXPECT_EQ(Control<QRadioButton>("rb_MCULED3Control")->text(), QString::fromUtf8("流光增亮版"));
    EXPECT_EQ(Control<QLabel>("lbl_CPI1")->text(), QString::fromUtf8("CPI 1值:"));
    EXPECT_EQ(Control<QLabel>("lbl_MCULEDCrtStep")->text(), QString::fromUtf8("当前速率:"));

    EXPECT_EQ(Items(Combo("cb_CPI1Color")), QString::fromUtf8("红色 绿色 黄色 蓝色 紫色 青色 白色").split(' '));
    EXPECT_EQ(Items(Combo("cb_SensorOri")).mid(4),
              QString::fromUtf8("X镜面反向 Y镜面反向 XY互换XY取反 XY互换XY不取反").split(' '));
    EXPECT_EQ(Items(Combo("cb_MCULEDCurrentMode")).first(), QString::fromUtf8("模式1"));
    EXPECT_EQ(m_page->McuLedModeNames()[6], QString::fromUtf8("模式7"));
}

TEST_F(EngineerPageTest, FixedItemsAndFont)
{
    EXPECT_EQ(Items(Combo("cb_CPIStep")), QStringList({"2", "3", "4", "5", "6", "7"}));
    const QStringList fireCounts = Items(Combo("cb_FireCount"));
    ASSERT_EQ(fireCounts.size(), 126);
    EXPECT_EQ(fireCounts.first(), "2");
    EXPECT_EQ(fireCounts.last(), "127");
    const QStringList cpiTexts = {"500", "800", "1000", "1200", "1600", "2000", "2400", "3200", "4000", "4800", "6400"};
    EXPECT_EQ(Items(Combo("cb_CPI3")), cpiTexts);
    EXPECT_EQ(Items(Combo("cb_AIMKeyValue")), cpiTexts);

    for (const char* name : {"Btn_Main_6", "Pg_Parameter", "gbCPI", "lbl_CPI2", "edt_FireTime", "cb_SensorOri",
                             "cb_Mode1", "rb_Save", "btn_Key205"})
        EXPECT_EQ(Control(name)->font().family(), "MS Sans Serif") << name;
}

TEST_F(EngineerPageTest, HintsCoverTheGroupAndFollowTheMouse)
{
    const QString fireHint = QString::fromUtf8("通过参数的选择，‘打开’时使能枪键，也可以调整Y轴参数；‘关闭’时只能调整Y轴参数。");
    EXPECT_EQ(Control("gbFireFn")->toolTip(), fireHint);
    EXPECT_EQ(Control("rb_FireFnOff")->toolTip(), fireHint);
    // A control's own hint wins over its group's.
    EXPECT_EQ(Control("cb_AIMKeyValue")->toolTip(), QString::fromUtf8("本方案支持11档瞄准键键值选择。"));
    EXPECT_TRUE(Control("cb_CPI2")->toolTip().startsWith(QString::fromUtf8("本方案支持2-7档变速")));
    EXPECT_EQ(Control("edt_ProductID")->toolTip(), Control("lbl_VendorID")->toolTip());
    EXPECT_TRUE(Control("btn_TestKeys")->toolTip().startsWith(QString::fromUtf8("按此按钮5秒内")));

    auto* content = Control<QLabel>("lbl_Content");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(Control("rb_FireFnOn"), &enter);
    EXPECT_EQ(content->text(), fireHint);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Control("rb_FireFnOn"), &leave);
    EXPECT_EQ(content->text(), fireHint);  // back on the group
    QApplication::sendEvent(Control("Btn_Main_6"), &enter);
    EXPECT_EQ(content->text(), QString());
}

// --- unlock gesture

TEST_F(EngineerPageTest, EveryFifthDoubleClickAsksAndOnlyTheExactCodeUnlocks)
{
    for (int click = 1; click <= 4; ++click) {
        DoubleClickLogo();
        EXPECT_FALSE(PasswordAsked()) << click;
    }
    DoubleClickLogo();
    ASSERT_TRUE(PasswordAsked());
    EXPECT_EQ(PasswordDialog()->windowTitle(), "Password");
    EXPECT_EQ(PasswordDialog()->findChild<QLineEdit*>()->echoMode(), QLineEdit::Password);
    auto* buttons = PasswordDialog()->findChild<QDialogButtonBox*>();
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), "OK");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "Cancel");
    AnswerPassword(QStringLiteral("kadrimoxrbvw"), true);  // case matters
    EXPECT_FALSE(PasswordAsked());
    ExpectLocked(true);

    for (int click = 6; click <= 9; ++click) {
        DoubleClickLogo();
        EXPECT_FALSE(PasswordAsked()) << click;
    }
    DoubleClickLogo();
    AnswerPassword(QStringLiteral("KadrimoXRBVW"), false);  // right code, but cancelled
    ExpectLocked(true);
    EXPECT_EQ(m_page->UnlockClickCount(), 10);

    for (int click = 11; click <= 15; ++click)
        DoubleClickLogo();
    SignalLog<bool> lockChanges(m_page.get(), &EngineerPage::engineerLockChanged);
    AnswerPassword(QStringLiteral("KadrimoXRBVW"), true);
    ExpectLocked(false);
    ASSERT_EQ(lockChanges.size(), 1);
    EXPECT_TRUE(lockChanges[0]);
}

TEST_F(EngineerPageTest, DoubleClickWhileUnlockedLocksAndTheCountGoesOn)
{
    for (int click = 1; click <= 5; ++click)
        DoubleClickLogo();
    AnswerPassword(QStringLiteral("KadrimoXRBVW"), true);
    ExpectLocked(false);
    auto* notebook = Control<QTabWidget>("Pg_Parameter");
    notebook->setCurrentWidget(Control("ts_Engineer"));

    DoubleClickLogo();
    EXPECT_FALSE(PasswordAsked());
    ExpectLocked(true);
    EXPECT_EQ(notebook->currentWidget(), Control("ts_Operator"));
    EXPECT_EQ(m_page->UnlockClickCount(), 5);  // locking does not count

    for (int click = 6; click <= 9; ++click) {
        DoubleClickLogo();
        EXPECT_FALSE(PasswordAsked()) << click;
    }
    DoubleClickLogo();
    EXPECT_TRUE(PasswordAsked());
    AnswerPassword(QString(), true);
    ExpectLocked(true);
}

// --- model binding

SettingsModel EveryFieldSet()
{
    SettingsModel m;
    m.ledSwitchByMiddleCpi = true;
    m.fireOnFnLeft = false;
    m.ledModeByLeftCpi = true;
    m.keyModeNotSaved = true;
    m.sensorOrientation = 7;
    m.simpleLed = false;
    m.switchByMiddleHold = true;
    m.switchByCpiHold = false;
    m.switchByGunHold = true;
    m.cpiLevelCount = 5;  // 7 levels
    m.threeLineScan = true;
    m.mcuLedCount = 13;
    m.mcuLedModes = {true, false, true, true, false, true, true};
    m.norLedBreathStep = 255;
    m.cpiValue = {0, 1, 2, 4, 6, 9, 10};
    m.cpiColour = {6, 5, 4, 3, 2, 1, 0};
    m.keyModeAColour = {255, 0, 127};
    m.keyModeBColour = {1, 2, 3};
    for (int level = 0; level < kCpiLevelSlots; ++level)
        m.cpiRgb[level] = {level * 30, 255 - level, level == 3 ? 0 : 200};
    m.currentCpiLevel = 6;
    m.norLedCpiBreathing = true;
    m.mcuLedCurrentMode = 1;  // the list shows "------" there; the index still holds
    m.ledOff = false;
    m.mcuLedCurrentStep = 7;
    m.keyMode = 1;
    m.vendorId = 0;  // a real id byte, not an empty field
    m.productId = 71;
    m.fireCount = 125;  // 127 shots
    m.fireInterval = 0;
    return m;
}

SettingsModel NothingChosen()
{
    SettingsModel m = EveryFieldSet();
    m.ledSwitchByMiddleCpi.reset();
    m.fireOnFnLeft.reset();
    m.ledModeByLeftCpi.reset();
    m.keyModeNotSaved.reset();
    m.simpleLed.reset();
    m.threeLineScan.reset();
    m.ledOff.reset();
    m.sensorOrientation = kNoSelection;
    m.cpiLevelCount = kNoSelection;
    m.currentCpiLevel = kNoSelection;
    m.cpiValue = {kNoSelection, 3, kNoSelection, kNoSelection, kNoSelection, kNoSelection, kNoSelection};
    m.cpiColour.fill(kNoSelection);
    m.mcuLedCurrentMode = kNoSelection;
    m.keyMode = kNoSelection;
    m.fireCount = kNoSelection;
    m.mcuLedCount = 0;  // outside 4..13: the edit shows nothing
    m.norLedCpiBreathing = false;
    return m;
}

SettingsModel TwoLevelsSimpleLed()
{
    SettingsModel m;
    m.simpleLed = true;
    m.cpiLevelCount = 0;
    m.currentCpiLevel = 1;
    m.cpiValue = {4, 8, kNoSelection, kNoSelection, kNoSelection, kNoSelection, kNoSelection};
    m.mcuLedCount = 4;
    m.mcuLedCurrentMode = 0;
    m.fireCount = 0;
    m.fireInterval = 255;
    m.vendorId = 255;
    m.productId = 0;
    m.keyModeAColour = {0, 0, 0};
    return m;
}

TEST_F(EngineerPageTest, ReadSettingsGivesBackWhatShowSettingsShowed)
{
    const struct {
        const char* name;
        SettingsModel model;
    } cases[] = {
        {"defaults", SettingsModel{}},
        {"every field set", EveryFieldSet()},
        {"nothing chosen", NothingChosen()},
        {"two levels, simple LED", TwoLevelsSimpleLed()},
    };
    SignalLog<QString> edits(m_page.get(), &EngineerPage::controlEdited);
    for (const auto& c : cases) {
        m_page->ShowSettings(c.model);
        EXPECT_EQ(m_page->ReadSettings(), c.model) << c.name;
    }
    EXPECT_EQ(edits.size(), 0);
}

TEST_F(EngineerPageTest, ShowSettingsFillsTheDependentLists)
{
    m_page->ShowSettings(EveryFieldSet());
    EXPECT_EQ(Items(Combo("cb_CurrentCPI")), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Items(Combo("cb_MCULEDCurrentMode")),
              QStringList({"Mode 1", "------", "Mode 3", "Mode 4", "------", "Mode 6", "Mode 7"}));
    EXPECT_EQ(Edit("edt_VendorID")->text(), "0");
    EXPECT_EQ(Edit("edt_FireTime")->text(), "0");

    m_page->ShowSettings(TwoLevelsSimpleLed());
    EXPECT_EQ(Items(Combo("cb_CurrentCPI")), QStringList({"1", "2"}));
    EXPECT_EQ(Combo("cb_CurrentCPI")->currentText(), "2");
    EXPECT_EQ(Combo("cb_FireCount")->currentText(), "2");
}

TEST_F(EngineerPageTest, ValuesTheControlsCannotHoldAreNotShown)
{
    SettingsModel m = TwoLevelsSimpleLed();
    m.currentCpiLevel = 4;  // level 5 of 2
    m.cpiValue[0] = 11;
    m.cpiColour[2] = 7;
    m.sensorOrientation = 8;
    m.fireInterval = 300;
    m.keyModeBColour.green = 1000;
    m.mcuLedCount = 20;
    m_page->ShowSettings(m);
    const SettingsModel shown = m_page->ReadSettings();
    EXPECT_EQ(shown.currentCpiLevel, kNoSelection);
    EXPECT_EQ(shown.cpiValue[0], kNoSelection);
    EXPECT_EQ(shown.cpiColour[2], kNoSelection);
    EXPECT_EQ(shown.sensorOrientation, kNoSelection);
    EXPECT_EQ(shown.fireInterval, 255);
    EXPECT_EQ(shown.keyModeBColour.green, 255);
    EXPECT_EQ(shown.mcuLedCount, 13);
}

TEST_F(EngineerPageTest, KeyNamesAndIdentityBytes)
{
    std::array<QString, 9> modeA;
    std::array<QString, 9> modeB;
    for (int i = 0; i < 9; ++i) {
        modeA[i] = QStringLiteral("A%1").arg(i + 1);
        modeB[i] = QStringLiteral("B%1").arg(i + 1);
    }
    m_page->ShowKeyNames(modeA, modeB);
    EXPECT_EQ(Control<QPushButton>("btn_Key101")->text(), "A1");
    EXPECT_EQ(Control<QPushButton>("btn_Key109")->text(), "A9");
    EXPECT_EQ(Control<QPushButton>("btn_Key204")->text(), "B4");

    m_page->ShowIdentityBytes(0, 255);
    EXPECT_EQ(Edit("edt_VendorID_Rd")->text(), "0");
    EXPECT_EQ(Edit("edt_ProductID_Rd")->text(), "255");
    m_page->ShowIdentityBytes(-1, -1);
    EXPECT_EQ(Edit("edt_VendorID_Rd")->text(), QString());
}

TEST_F(EngineerPageTest, ButtonsReportTheirClicks)
{
    SignalLog<NoValue> write(m_page.get(), &EngineerPage::writeClicked);
    SignalLog<int> keys(m_page.get(), &EngineerPage::keyButtonClicked);
    SignalLog<NoValue> close(m_page.get(), &EngineerPage::closeClicked);
    Control<QPushButton>("btn_Write")->click();
    Control<QPushButton>("btn_Key204")->click();
    Control<QPushButton>("btn_Key109")->click();
    QWidget* closeImage = Control("Btn_Close");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), closeImage->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), closeImage->mapToGlobal(QPointF(2, 2)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(closeImage, &press);
    QApplication::sendEvent(closeImage, &release);
    EXPECT_EQ(write.size(), 1);
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[0], 204);
    EXPECT_EQ(keys[1], 109);
    EXPECT_EQ(close.size(), 1);
}

// --- user changes

TEST_F(EngineerPageTest, EditsClampTheirTextAfterEveryChange)
{
    const struct {
        const char* edit;
        const char* text;
        const char* shown;
    } cases[] = {
        {"edt_FireTime", "", "100"},      {"edt_FireTime", "256", "255"},  {"edt_FireTime", "0", "0"},
        {"edt_VendorID", "", "255"},      {"edt_ProductID", "999", "255"}, {"edt_ProductID", "12", "12"},
        {"edt_CPI4G", "300", "255"},      {"edt_CPI4G", "", "0"},          {"edt_KeyMode2R", "256", "255"},
        {"edt_KeyMode1B", "", "0"},       {"edt_NorLEDStep", "", "0"},     {"edt_NorLEDStep", "1000", "255"},
        {"edt_MCULEDCrtStep", "8", "7"},  {"edt_MCULEDCrtStep", "", "0"},  {"edt_MCULEDNum", "", "4"},
        {"edt_MCULEDNum", "0", "4"},      {"edt_MCULEDNum", "3", "4"},     {"edt_MCULEDNum", "1", "1"},
        {"edt_MCULEDNum", "12", "12"},    {"edt_MCULEDNum", "14", "13"},   {"edt_FireTime", "1x", "100"},
        {"edt_CPI1R", "99999999999", "255"},
    };
    for (const auto& c : cases) {
        Edit(c.edit)->setText(QStringLiteral("5"));  // so that every case is a change
        Edit(c.edit)->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(Edit(c.edit)->text(), QString::fromLatin1(c.shown)) << c.edit << " '" << c.text << "'";
    }
}

TEST_F(EngineerPageTest, TypedChangesAreClampedAndReported)
{
    SignalLog<QString> edits(m_page.get(), &EngineerPage::controlEdited);
    TIntEdit* fireTime = Edit("edt_FireTime");
    fireTime->setText(QStringLiteral("7"));
    fireTime->setCursorPosition(1);
    Type(fireTime, Qt::Key_Backspace);
    EXPECT_EQ(fireTime->text(), "100");
    ASSERT_GT(edits.size(), 0);
    EXPECT_EQ(edits.last(), "edt_FireTime");

    // "1" may grow into 10..13 while typing; left alone it becomes 4.
    TIntEdit* ledCount = Edit("edt_MCULEDNum");
    ledCount->clear();  // becomes "4"
    ledCount->selectAll();
    Type(ledCount, Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(ledCount->text(), "1");
    Type(ledCount, Qt::Key_Return);
    EXPECT_EQ(ledCount->text(), "4");
    ledCount->selectAll();
    Type(ledCount, Qt::Key_1, QStringLiteral("1"));
    Type(ledCount, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(ledCount->text(), "12");
    EXPECT_EQ(m_page->ReadSettings().mcuLedCount, 12);
}

TEST_F(EngineerPageTest, ANewLevelCountMakesItsHighestLevelCurrent)
{
    m_page->ShowSettings(EveryFieldSet());  // 7 levels, level 7 current
    SignalLog<QString> edits(m_page.get(), &EngineerPage::controlEdited);
    Combo("cb_CPIStep")->setCurrentIndex(1);  // 3 levels
    EXPECT_EQ(Items(Combo("cb_CurrentCPI")), QStringList({"1", "2", "3"}));
    EXPECT_EQ(m_page->ReadSettings().currentCpiLevel, 2);
    ASSERT_EQ(edits.size(), 1);
    EXPECT_EQ(edits[0], "cb_CPIStep");
}

TEST_F(EngineerPageTest, TickingAModeRebuildsTheModeList)
{
    SettingsModel m = EveryFieldSet();
    m.mcuLedCurrentMode = 3;
    m_page->ShowSettings(m);
    Control<QCheckBox>("cb_Mode1")->click();
    EXPECT_EQ(Combo("cb_MCULEDCurrentMode")->itemText(0), "------");
    EXPECT_EQ(Combo("cb_MCULEDCurrentMode")->currentIndex(), 0);
    Control<QCheckBox>("cb_Mode2")->click();
    EXPECT_EQ(Combo("cb_MCULEDCurrentMode")->itemText(1), "Mode 2");
    EXPECT_FALSE(m_page->ReadSettings().mcuLedModes[0]);
    EXPECT_TRUE(m_page->ReadSettings().mcuLedModes[1]);
}

TEST_F(EngineerPageTest, AimValueIsShownAndRead)
{
    m_page->ShowAimCpiIndex(7);
    EXPECT_EQ(Combo("cb_AIMKeyValue")->currentText(), "3200");
    EXPECT_EQ(m_page->AimCpiIndex(), 7);
    m_page->ShowAimCpiIndex(kNoSelection);
    EXPECT_EQ(m_page->AimCpiIndex(), kNoSelection);
}

}  // namespace
}  // namespace orvex
