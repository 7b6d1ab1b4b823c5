#include "ui/DialogFrame.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <stdexcept>

#include "ui/ControlFactory.h"
#include "ui/DialogFrameDescription.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"
#include "ui/SkinPictures.h"

namespace orvex {
namespace {

const QString kButtonPictures = QStringLiteral("BtnS");
const QString kClosePictures = QStringLiteral("ExitS");

QString StatePicture(const QString& set, int state)
{
    return QStringLiteral("%1_0%2").arg(set).arg(state);
}

}  // namespace

DialogResources LoadDialogResources(int languageNumber)
{
    return DialogResources{LoadLayoutSection(languageNumber), LoadLanguageTable(languageNumber)};
}

QPoint DialogPosition(DialogKind kind, const QRect& mainWindow, const QSize& dialog)
{
    // Integer division rounds toward zero, also when the dialog is the larger.
    const int left = mainWindow.x() + (mainWindow.width() - dialog.width()) / 2;
    const int top = mainWindow.y() + (mainWindow.height() - dialog.height()) / 2;
    return {left, top + DescribeDialog(kind).extraTop};
}

DialogFrame::DialogFrame(DialogKind kind, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_kind(kind)
    , m_description(DescribeDialog(kind))
    , m_mainWindow(mainWindow)
{
    setObjectName(QString::fromLatin1(m_description.formName));
    setWindowModality(Qt::NonModal);
    setAttribute(Qt::WA_DeleteOnClose);

    // Created first, so everything else lies on the background.
    m_background = AddPicture(this, QString::fromLatin1(m_description.background));

    auto* title = new QLabel(this);
    title->setObjectName(QString::fromLatin1(m_description.title));
    title->setAttribute(Qt::WA_TranslucentBackground);
    title->setTextFormat(Qt::PlainText);
    m_title = title;

    m_confirmPicture = AddPicture(this, QStringLiteral("Img_Confirm"));
    m_confirmLabel = AddLabel(this, QStringLiteral("IB_Confirm"));
    m_secondPicture = AddPicture(this, QStringLiteral("Img_Cancel"));
    m_secondLabel = AddLabel(this, QStringLiteral("IB_Cancel"));
    m_closePicture = AddPicture(this, QStringLiteral("Img_Close"));
    m_closeLabel = AddLabel(this, QStringLiteral("IB_Close"));

    ConnectButton(m_confirmLabel, m_confirmPicture, kButtonPictures, &DialogFrame::ConfirmClicked);
    ConnectButton(m_secondLabel, m_secondPicture, kButtonPictures, &DialogFrame::SecondClicked);
    ConnectButton(m_closeLabel, m_closePicture, kClosePictures, &DialogFrame::CloseClicked);
}

void DialogFrame::ConnectButton(SkinLabel* label, SkinPicture* picture, const QString& pictureSet,
                                void (DialogFrame::*action)())
{
    connect(label, &SkinLabel::entered, this,
            [picture, pictureSet] { picture->SetPicture(StatePicture(pictureSet, 2)); });
    connect(label, &SkinLabel::left, this,
            [picture, pictureSet] { picture->SetPicture(StatePicture(pictureSet, 1)); });
    connect(label, &SkinLabel::clicked, this, [this, picture, pictureSet, action] {
        picture->SetPicture(StatePicture(pictureSet, 3));
        (this->*action)();
    });
}

void DialogFrame::BuildFrame(const DialogResources& resources)
{
    LoadPictures();
    ShapeToBackground();
    resize(m_background->size());
    PlaceOverMainWindow();
    if (m_description.edit) {
        if (auto* edit = findChild<QLineEdit*>(QString::fromLatin1(m_description.edit)))
            edit->setAlignment(Qt::AlignCenter);
    }
    ApplyLayout(resources.layout);
    if (m_description.colourChoices)
        PlaceColourChoices(resources.layout);
    ApplyTexts(resources.language);
}

void DialogFrame::Open()
{
    show();
    raise();
    activateWindow();
    if (m_focusInput)
        m_focusInput->setFocus(Qt::OtherFocusReason);
}

void DialogFrame::LoadPictures()
{
    m_background->SetPicture(QStringLiteral("Msg"));
    for (SkinPicture* button : {m_confirmPicture, m_secondPicture})
        button->SetPicture(StatePicture(kButtonPictures, 1));
    m_closePicture->SetPicture(StatePicture(kClosePictures, 1));
    m_confirmLabel->resize(m_confirmPicture->size());
    m_secondLabel->resize(m_secondPicture->size());
    m_closeLabel->resize(m_closePicture->size());

    // The hover and pressed pictures are looked up now, so that a missing one
    // stops the building of the dialog instead of failing under the mouse.
    for (const QString& set : {kButtonPictures, kClosePictures}) {
        SkinPixmap(StatePicture(set, 2));
        SkinPixmap(StatePicture(set, 3));
    }

    if (!m_description.colourChoices)
        return;
    SkinPixmap(QStringLiteral("CbS_E"));
    for (int n = 1; n <= kColourChoiceCount; ++n) {
        auto* frame = findChild<SkinPicture*>(ColourChoiceFrameName(n));
        auto* label = findChild<QWidget*>(ColourChoiceLabelName(n));
        auto* swatch = findChild<QWidget*>(ColourChoiceSwatchName(n));
        auto* mark = findChild<SkinPicture*>(ColourChoiceMarkName(n));
        if (!frame || !label || !swatch || !mark)
            throw std::logic_error("colour dialog without its colour choice controls");
        frame->SetPicture(QStringLiteral("Col_F"));
        label->resize(frame->size());
        swatch->resize(frame->size());
        mark->SetPicture(QStringLiteral("CbS_D"));
    }
}

void DialogFrame::ShapeToBackground()
{
    const QImage image = m_background->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    // MaskInColor marks the see-through pixels 1 (white); QBitmap takes
    // white as color0, so they fall outside the region that stays visible.
    setMask(QBitmap::fromImage(image.createMaskFromColor(kSeeThrough, Qt::MaskInColor)));
}

void DialogFrame::PlaceOverMainWindow()
{
    QRect mainRect;
    if (m_mainWindow) {
        mainRect = m_mainWindow->window()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mainRect = screen->availableGeometry();
    }
    move(DialogPosition(m_kind, mainRect, size()));
}

}  // namespace orvex
