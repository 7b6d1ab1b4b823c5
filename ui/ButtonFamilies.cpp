#include "ui/ButtonFamilies.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

struct FamilyPictures {
    const char* normal;
    const char* over;
};

// Copy suffix of a page button ("_1" .. "_4").
const QRegularExpression kCopySuffix(QStringLiteral("_[1-4]$"));

QString WithoutCopy(QString name)
{
    return name.remove(kCopySuffix);
}

}  // namespace

ButtonFamilies::ButtonFamilies(QWidget* window, Context context, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_context(std::move(context))
    , m_labelRun(new QTimer(this))
{
    m_labelRun->setObjectName(QStringLiteral("LabelRun"));
    m_labelRun->setInterval(200);
    connect(m_labelRun, &QTimer::timeout, this, &ButtonFamilies::RollCaption);

    static const QRegularExpression familyA(QStringLiteral("^Btn_(Confirm|Apply|Read|Confirm1|Confirm2|Confirm3)_[1-4]$"));
    static const QRegularExpression familyB(QStringLiteral("^Btn_(Main|Second|Adv|Breath|Macro|Engineer|Save|Load)_[1-4]$"));
    static const QRegularExpression familyD(QStringLiteral("^Btn_Lang[1-3]_[1-4]$"));
    static const QRegularExpression familyI(QStringLiteral("^Btn_Exit_[1-4]$"));
    static const QRegularExpression familyJ(QStringLiteral("^Btn_Mini_[1-4]$"));
    static const QRegularExpression familyH(
        QStringLiteral("^Btn_(Del|Insert|Edit|NewMacro|ImportOne|Export|Import|ExportOne|NewName|DelPCMacro)$"));
    static const QRegularExpression web(QStringLiteral("^Btn_Web_[1-4]$"));
    static const QRegularExpression key(QStringLiteral("^Key[1-9]$"));
    static const QRegularExpression macro(QStringLiteral("^Btn_(New|Start|InsertStart)$"));
    static const QRegularExpression insert(QStringLiteral("^Btn_(OK|Cancel)$"));
    const std::pair<const QRegularExpression*, Family> families[] = {
        {&familyA, Family::A}, {&familyB, Family::B}, {&familyD, Family::D},   {&familyI, Family::I},
        {&familyJ, Family::J}, {&familyH, Family::H}, {&web, Family::Web},     {&key, Family::Key},
        {&macro, Family::Macro}, {&insert, Family::Insert},
    };
    for (SkinLabel* label : window->findChildren<SkinLabel*>()) {
        for (const auto& [pattern, family] : families) {
            if (pattern->match(label->objectName()).hasMatch()) {
                Bind(label, family);
                break;
            }
        }
    }
}

void ButtonFamilies::Bind(SkinLabel* label, Family family)
{
    connect(label, &SkinLabel::entered, this, [this, label, family] { Enter(label, family); });
    connect(label, &SkinLabel::left, this, [this, label, family] { Leave(label, family); });
    if (family == Family::Web) {
        connect(label, &SkinLabel::clicked, this, [this, label] {
            SetPictures(PicturesOf(label, Family::Web), QStringLiteral("WebS_02"));
            if (!m_context.webEnabled || !m_context.webEnabled())
                return;
            const QUrl address(m_context.webAddress());
            if (m_context.openUrl)
                m_context.openUrl(address);
            else
                QDesktopServices::openUrl(address);
        });
    }
}

QStringList ButtonFamilies::PicturesOf(SkinLabel* label, Family family) const
{
    const QString rest = label->objectName().mid(4);  // without "Btn_"
    switch (family) {
    case Family::A:
    case Family::I:
    case Family::J:
    case Family::Web: {
        QStringList copies;
        for (int copy = 1; copy <= 4; ++copy)
            copies << QStringLiteral("Img_%1_%2").arg(WithoutCopy(rest)).arg(copy);
        return copies;
    }
    case Family::Key:
        return {QStringLiteral("Img_") + label->objectName()};
    case Family::H:
        return {};
    default:
        return {QStringLiteral("Img_") + rest};
    }
}

void ButtonFamilies::SetPictures(const QStringList& pictures, const QString& resource)
{
    for (const QString& name : pictures) {
        if (auto* picture = m_window->findChild<SkinPicture*>(name))
            picture->SetPicture(resource);
    }
}

void ButtonFamilies::Remember(QLabel* label)
{
    m_hovered = label;
    m_rememberedCaption = label->text();
    m_rollingCaption = m_rememberedCaption;
    m_step = 0;
}

void ButtonFamilies::Enter(SkinLabel* label, Family family)
{
    switch (family) {
    case Family::H: {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        palette.setColor(QPalette::Window, label->palette().color(QPalette::Highlight));
        label->setPalette(palette);
        return;
    }
    case Family::Web:
        if (m_context.deviceOpen())
            SetPictures(PicturesOf(label, family), QStringLiteral("WebS_03"));
        return;
    default:
        break;
    }
    static const QHash<Family, QString> over{
        {Family::A, QStringLiteral("BtnS_02")},     {Family::B, QStringLiteral("SetS_02")},
        {Family::D, QStringLiteral("SetS_02")},     {Family::I, QStringLiteral("ExitS_02")},
        {Family::J, QStringLiteral("MiniS_02")},    {Family::Key, QStringLiteral("KeyS_02")},
        {Family::Macro, QStringLiteral("MacroS_02")}, {Family::Insert, QStringLiteral("MacroBtnS_02")},
    };
    SetPictures(PicturesOf(label, family), over.value(family));
    Remember(label);
    if (label->isEnabled())
        m_labelRun->start();
}

void ButtonFamilies::Leave(SkinLabel* label, Family family)
{
    switch (family) {
    case Family::H: {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, m_context.listButtonText());
        palette.setColor(QPalette::Window, m_context.listButtonBackground());
        label->setPalette(palette);
        return;
    }
    case Family::Web:
        if (m_context.deviceOpen())
            SetPictures(PicturesOf(label, family), QStringLiteral("WebS_01"));
        return;
    default:
        break;
    }
    m_labelRun->stop();
    static const QHash<Family, QString> normal{
        {Family::A, QStringLiteral("BtnS_01")},     {Family::B, QStringLiteral("SetS_01")},
        {Family::D, QStringLiteral("SetS_01")},     {Family::I, QStringLiteral("ExitS_01")},
        {Family::J, QStringLiteral("MiniS_01")},    {Family::Key, QStringLiteral("KeyS_01")},
        {Family::Macro, QStringLiteral("MacroS_01")}, {Family::Insert, QStringLiteral("MacroBtnS_01")},
    };
    SetPictures(PicturesOf(label, family), normal.value(family));
    if (family == Family::B && !m_context.noDevicePage()) {
        // Leaving the current page's own button keeps it selected.
        QStringList current;
        for (int copy = 1; copy <= 4; ++copy)
            current << QStringLiteral("Img_%1_%2").arg(m_context.currentPageButton()).arg(copy);
        SetPictures(current, QStringLiteral("SetS_03"));
    }
    if (family == Family::D) {
        QStringList current;
        for (int copy = 1; copy <= 4; ++copy)
            current << QStringLiteral("Img_Lang%1_%2").arg(m_context.languageNumber()).arg(copy);
        SetPictures(current, QStringLiteral("SetS_03"));
    }
    if (m_hovered)
        m_hovered->setText(m_rememberedCaption);
}

void ButtonFamilies::ShowPressed(const QString& buttonName)
{
    QStringList copies;
    for (int copy = 1; copy <= 4; ++copy)
        copies << QStringLiteral("Img_%1_%2").arg(buttonName).arg(copy);
    SetPictures(copies, QStringLiteral("BtnS_03"));
}

void ButtonFamilies::ResetRolling(QLabel* label)
{
    if (label)
        Remember(label);
}

void ButtonFamilies::RollCaption()
{
    if (!m_context.captionRolling() || !m_hovered || m_rollingCaption.isEmpty())
        return;
    ++m_step;
    if (m_step > 20)
        m_step = 2;
    const QChar first = m_rollingCaption.at(0);
    // The gap of four blanks goes in once per hover, on the first step.
    m_rollingCaption = m_rollingCaption.mid(1) + (m_step == 1 ? QStringLiteral("    ") : QString()) + first;
    m_hovered->setText(m_rollingCaption);
}

}  // namespace orvex
