#include "ui/ControlFactory.h"

#include <QButtonGroup>
#include <QRadioButton>

#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex {

SkinPicture* AddPicture(QWidget* parent, const QString& name)
{
    return new SkinPicture(name, parent);
}

SkinLabel* AddLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new SkinLabel(name, parent);
    label->setText(text);
    return label;
}

QWidget* AddHiddenRadioGroup(QWidget* parent, const QString& groupName, const QStringList& buttonNames)
{
    auto* group = new QWidget(parent);
    group->setObjectName(groupName);
    group->hide();
    auto* exclusive = new QButtonGroup(group);
    for (const QString& name : buttonNames) {
        auto* button = new QRadioButton(group);
        button->setObjectName(name);
        exclusive->addButton(button);
    }
    return group;
}

}  // namespace orvex
