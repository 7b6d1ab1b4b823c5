#include "perf/EngineerPage.h"

#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

#include "perf/EngineerPageLayout.h"
#include "ui/PasswordDialog.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

// The engineer access code; compared exactly, case included.
const QString kEngineerAccessCode = QStringLiteral("KadrimoXRBVW");
// Every this many double clicks on the logo, while locked, ask for the code.
constexpr int kClicksPerPrompt = 5;

// Controls of the LED type, LED scan mode and sensor orientation: usable
// only while the engineer tab is unlocked.
constexpr const char* kLockedControls[] = {
    "gbLEDType",         "rb_NorLED",         "rb_MCULED",     "gbMCULEDControlMode",
    "rb_MCULED3Control", "rb_MCULED6Control", "lbl_SensorOri", "cb_SensorOri",
};

}  // namespace

EngineerPage::EngineerPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("gbPage6"));
    setAutoFillBackground(true);
    setFixedSize(kWidth, kHeight);
    BuildEngineerPageControls(this);
    ConnectButtons();
    ConnectSettingControls();
    ApplyEngineerCaptions(TermLanguageForLocale(QLocale::system()));
    ShowSettings(SettingsModel{});
    ApplyEngineerLock();
    WatchHover();
}

void EngineerPage::ConnectButtons()
{
    const struct {
        const char* name;
        void (EngineerPage::*signal)();
    } buttons[] = {
        {"Btn_Main_6", &EngineerPage::mainPageClicked},
        {"Btn_Switch_6", &EngineerPage::switchPageClicked},
        {"Btn_Adv_6", &EngineerPage::advancedPageClicked},
        {"Btn_Breath_6", &EngineerPage::lightPageClicked},
        {"Btn_Macro_6", &EngineerPage::macroPageClicked},
        {"Btn_Engineer_6", &EngineerPage::engineerPageClicked},
        {"Btn_Load_6", &EngineerPage::loadProfileClicked},
        {"Btn_Save_6", &EngineerPage::saveProfileClicked},
        {"btn_TestKeys", &EngineerPage::testKeysClicked},
        {"Btn_Default", &EngineerPage::defaultClicked},
        {"btn_Write", &EngineerPage::writeClicked},
        {"Btn_ImportBaseMacro", &EngineerPage::importBaseMacroClicked},
    };
    for (const auto& button : buttons)
        connect(EngineerControl<QPushButton>(this, QString::fromLatin1(button.name)), &QPushButton::clicked, this,
                button.signal);

    for (int mode = 1; mode <= 2; ++mode) {
        for (int button = 1; button <= kButtonsPerRow; ++button) {
            const int number = mode * 100 + button;
            connect(EngineerControl<QPushButton>(this, Numbered("btn_Key%1", number)), &QPushButton::clicked, this,
                    [this, number] { Q_EMIT keyButtonClicked(number); });
        }
    }

    connect(EngineerControl<SkinPicture>(this, QStringLiteral("Btn_Close")), &SkinPicture::clicked, this,
            &EngineerPage::closeClicked);
    auto* logo = EngineerControl<SkinPicture>(this, QStringLiteral("Img_Logo4"));
    connect(logo, &SkinPicture::pressed, this, &EngineerPage::dragPressed);
    connect(logo, &SkinPicture::doubleClicked, this, &EngineerPage::Img_Logo4DblClick);
}

void EngineerPage::ShowResultMark(bool visible)
{
    EngineerControl<QLabel>(this, QStringLiteral("Img_Result"))->setVisible(visible);
}

// --- unlock gesture

void EngineerPage::Img_Logo4DblClick()
{
    if (m_unlocked) {
        m_unlocked = false;
        ApplyEngineerLock();
        return;
    }
    // The prompt is window-modal; a double click cannot reach the logo while
    // it is open, and none is counted for it.
    if (m_passwordDialog && m_passwordDialog->isVisible())
        return;
    ++m_unlockClickCount;
    if (m_unlockClickCount % kClicksPerPrompt != 0)
        return;
    if (!m_passwordDialog) {
        m_passwordDialog = new PasswordDialog(window());
        connect(m_passwordDialog, &QDialog::finished, this, &EngineerPage::AnswerPassword);
    }
    m_passwordDialog->Ask();
}

void EngineerPage::AnswerPassword(int result)
{
    if (result == QDialog::Accepted && m_passwordDialog->EnteredText() == kEngineerAccessCode) {
        m_unlocked = true;
        ApplyEngineerLock();
    }
}

void EngineerPage::ApplyEngineerLock()
{
    auto* notebook = EngineerControl<QTabWidget>(this, QStringLiteral("Pg_Parameter"));
    QWidget* engineerTab = EngineerControl<QWidget>(this, QStringLiteral("ts_Engineer"));
    if (!m_unlocked && notebook->currentWidget() == engineerTab)
        notebook->setCurrentWidget(EngineerControl<QWidget>(this, QStringLiteral("ts_Operator")));
    notebook->setTabVisible(notebook->indexOf(engineerTab), m_unlocked);
    EngineerControl<QWidget>(this, QStringLiteral("Btn_Default"))->setVisible(m_unlocked);
    for (const char* name : kLockedControls)
        EngineerControl<QWidget>(this, QString::fromLatin1(name))->setEnabled(m_unlocked);
    Q_EMIT engineerLockChanged(m_unlocked);
}

// --- hint line

void EngineerPage::WatchHover()
{
    for (QWidget* widget : findChildren<QWidget*>())
        widget->installEventFilter(this);
}

void EngineerPage::ShowHintOf(const QWidget* widget)
{
    EngineerControl<QLabel>(this, QStringLiteral("lbl_Content"))->setText(widget ? widget->toolTip() : QString());
}

bool EngineerPage::eventFilter(QObject* watched, QEvent* event)
{
    // The hint line follows the control under the mouse. Qt sends no enter
    // event to a parent the mouse returns to from a child, so leaving a
    // control shows the hint of the control around it.
    if (auto* widget = qobject_cast<QWidget*>(watched)) {
        if (event->type() == QEvent::Enter)
            ShowHintOf(widget);
        else if (event->type() == QEvent::Leave)
            ShowHintOf(widget->parentWidget() != this ? widget->parentWidget() : nullptr);
        // Like the logo strip, the notebook's own area drags the window.
        else if (event->type() == QEvent::MouseButtonPress
                 && widget->objectName() == QLatin1String("Pg_Parameter"))
            Q_EMIT dragPressed();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvex
