// The layout and text half of the dialog frame: places, fonts and colours
// from the layout variant, texts and font family from the language table.
#include "ui/DialogFrame.h"

#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

#include "ui/DialogFrameDescription.h"
#include "ui/SkinLabel.h"
#include "ui/SkinLayout.h"
#include "ui/SkinPicture.h"
#include "ui/SkinPlacer.h"

namespace orvex {
namespace {

QString Key(const char* prefix, const char* suffix)
{
    return QString::fromLatin1(prefix) + QString::fromLatin1(suffix);
}

QStringList ModifierBoxNames()
{
    QStringList names;
    for (const DialogCheckBox& box : DialogModifierBoxes())
        names << QString::fromLatin1(box.name);
    return names;
}

// The gap between neighbouring colour choices and between a frame and its
// selection mark.
constexpr int kColourChoiceGap = 20;
constexpr int kSelectionMarkGap = 8;

}  // namespace

void DialogFrame::ApplyLayout(const LayoutSection& layout)
{
    const DialogFrameDescription& d = m_description;
    SkinPlacer placer(this, layout);
    const QString title = QString::fromLatin1(d.title);
    const QString edit = d.edit ? QString::fromLatin1(d.edit) : QString();
    const QStringList buttonLabels = {m_confirmLabel->objectName(), m_secondLabel->objectName()};
    const QStringList boxes = d.modifierBoxes ? ModifierBoxNames() : QStringList();

    const int size = placer.Int(QString::fromLatin1(d.sizeKey));
    placer.FontSize({title}, size + 5);
    if (d.edit)
        placer.FontSize({edit}, size + 3);
    placer.FontSize(buttonLabels, size + 1);
    placer.FontSize(boxes, size);

    placer.FontColour(QStringList{title} + buttonLabels + boxes,
                      placer.Colour(QString::fromLatin1(d.colourKey)));
    if (d.edit && d.inputColourKey)
        placer.FontColour({edit}, placer.Colour(QString::fromLatin1(d.inputColourKey)));

    placer.Move(title, placer.Int(Key(d.titlePlace, "_X")), placer.Int(Key(d.titlePlace, "_Y")));
    if (d.edit) {
        const int x = placer.Int(Key(d.inputPlace, "_X"));
        const int y = placer.Int(Key(d.inputPlace, "_Y"));
        const int width = placer.Int(Key(d.inputPlace, "_W"));
        QWidget* editControl = placer.Find(edit);
        if (!editControl)
            throw std::logic_error("dialog without its edit: " + edit.toStdString());
        editControl->setGeometry(x, y, width, editControl->sizeHint().height());
    }
    if (d.modifierBoxes) {
        for (const DialogCheckBox& box : DialogModifierBoxes()) {
            placer.Move(QString::fromLatin1(box.name), placer.Int(Key(box.placeKey, "_X")),
                        placer.Int(Key(box.placeKey, "_Y")));
        }
    }
    placer.PictureButton(m_confirmPicture->objectName(), m_confirmLabel->objectName(),
                         placer.Int(Key(d.confirmPlace, "_X")), placer.Int(Key(d.confirmPlace, "_Y")));
    placer.PictureButton(m_secondPicture->objectName(), m_secondLabel->objectName(),
                         placer.Int(Key(d.secondPlace, "_X")), placer.Int(Key(d.secondPlace, "_Y")));
    placer.PictureButton(m_closePicture->objectName(), m_closeLabel->objectName(),
                         placer.Int(Key(d.closePlace, "_X")), placer.Int(Key(d.closePlace, "_Y")));
}

void DialogFrame::PlaceColourChoices(const LayoutSection& layout)
{
    const DialogFrameDescription& d = m_description;
    int x = layout.Integer(Key(d.inputPlace, "_X"));
    const int y = layout.Integer(Key(d.inputPlace, "_Y"));
    for (int n = 1; n <= kColourChoiceCount; ++n) {
        auto* frame = findChild<SkinPicture*>(ColourChoiceFrameName(n));
        auto* label = findChild<QWidget*>(ColourChoiceLabelName(n));
        auto* swatch = findChild<QWidget*>(ColourChoiceSwatchName(n));
        auto* mark = findChild<SkinPicture*>(ColourChoiceMarkName(n));
        label->move(x, y);
        frame->move(x, y);
        swatch->move(x, y);
        mark->move(x + (frame->width() - mark->width()) / 2, y + frame->height() + kSelectionMarkGap);
        x += label->width() + kColourChoiceGap;
    }
}

void DialogFrame::ApplyTexts(const LanguageTable& language)
{
    const DialogFrameDescription& d = m_description;
    QLabel* title = m_title;
    title->setText(language.text(QString::fromLatin1(d.titleText)));
    m_confirmLabel->setText(language.text(QString::fromLatin1(d.confirmText)));
    m_secondLabel->setText(language.text(QString::fromLatin1(d.secondText)));

    QList<QWidget*> familyTakers = {title, m_confirmLabel, m_secondLabel};
    if (d.edit)
        familyTakers << findChild<QWidget*>(QString::fromLatin1(d.edit));
    QList<QWidget*> boxes;
    if (d.modifierBoxes) {
        for (const QString& name : ModifierBoxNames())
            boxes << findChild<QWidget*>(name);
        familyTakers << boxes;
    }
    const QString family = language.fontName();
    if (!family.isEmpty()) {
        for (QWidget* w : familyTakers) {
            QFont font = w->font();
            font.setFamily(family);
            w->setFont(font);
        }
    }

    // Title and boxes size themselves to their text, as their captions
    // differ in length between the languages.
    title->adjustSize();
    for (QWidget* box : boxes)
        box->adjustSize();
}

}  // namespace orvex
