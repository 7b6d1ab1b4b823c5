#include "macro/MacroPageControls.h"

#include <QComboBox>
#include <QFrame>
#include <QListWidget>

#include "ui/ControlFactory.h"
#include "ui/NumericEdit.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

QListWidget* AddList(QWidget* parent, const QString& name, int width, int height)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->resize(width, height);
    return list;
}

TIntEdit* AddEdit(QWidget* parent, const QString& name, const QString& text)
{
    auto* edit = new TIntEdit(name, parent);
    edit->setText(text);
    edit->setAlignment(Qt::AlignRight);
    edit->resize(60, 22);
    return edit;
}

void AddOptionRows(QWidget* box, const QStringList& rows, const QString& radioGroup)
{
    QStringList radios;
    for (const QString& row : rows) {
        AddPicture(box, QStringLiteral("LED_%1").arg(row));
        auto* label = AddLabel(box, QStringLiteral("IB_%1").arg(row));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        radios << QStringLiteral("rb_%1").arg(row);
    }
    AddHiddenRadioGroup(box, radioGroup, radios);
}

QFrame* AddMenu(QWidget* page, const QString& name, const QStringList& buttons)
{
    auto* menu = new QFrame(page);
    menu->setObjectName(name);
    menu->setFrameShape(QFrame::Box);
    menu->setAutoFillBackground(true);
    menu->hide();
    int y = 2;
    for (const QString& button : buttons) {
        auto* label = AddLabel(menu, button);
        label->setAutoFillBackground(true);
        label->setGeometry(2, y, 120, 24);
        y += 24;
    }
    menu->resize(124, y + 2);
    return menu;
}

}  // namespace

void CreateMacroPageControls(QWidget* page)
{
    AddPicture(page, QStringLiteral("Img_P4"));
    AddList(page, QStringLiteral("LB_PCMacroName"), 220, 304);
    AddList(page, QStringLiteral("LB_MacroName"), 220, 160)->hide();
    AddList(page, QStringLiteral("LB_macro"), 200, 304);
    for (const char* button : {"New", "Start"}) {
        AddPicture(page, QStringLiteral("Img_%1").arg(QLatin1String(button)));
        AddLabel(page, QStringLiteral("Btn_%1").arg(QLatin1String(button)));
    }

    auto* delayBox = new QWidget(page);
    delayBox->setObjectName(QStringLiteral("Gb_Delay"));
    delayBox->resize(260, 180);
    AddOptionRows(delayBox, {QStringLiteral("RecDelay"), QStringLiteral("DelayTime"), QStringLiteral("NoDelay")},
                  QStringLiteral("gbDelayMode"));
    AddEdit(delayBox, QStringLiteral("Edt_Delay"), QStringLiteral("50"))->setMaxLength(5);
    QStringList releaseRadios;
    for (const char* release : {"ReleaseStop", "ReleaseContiue"}) {
        AddPicture(delayBox, QStringLiteral("Img_%1").arg(QLatin1String(release)));
        auto* label = AddLabel(delayBox, QStringLiteral("IB_%1").arg(QLatin1String(release)));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    AddHiddenRadioGroup(delayBox, QStringLiteral("gbRelease"),
                        {QStringLiteral("rb_ReleaseStop"), QStringLiteral("rb_ReleaseContinue")});

    AddPicture(page, QStringLiteral("Img_InsertBase"))->hide();
    auto* insertBox = new QWidget(page);
    insertBox->setObjectName(QStringLiteral("Gb_Insert"));
    insertBox->resize(207, 162);
    insertBox->hide();
    auto* actions = new QComboBox(insertBox);
    actions->setObjectName(QStringLiteral("CB_Insert"));
    for (int i = 0; i < 10; ++i)
        actions->addItem(QString());
    actions->resize(170, 24);
    AddOptionRows(insertBox,
                  {QStringLiteral("InsertRecDelay"), QStringLiteral("InsertDelayTime"),
                   QStringLiteral("InsertNoDelay")},
                  QStringLiteral("gbInsertDelayMode"));
    AddEdit(insertBox, QStringLiteral("Edt_InsertDelay"), QStringLiteral("50"))->setMaxLength(5);
    AddLabel(insertBox, QStringLiteral("lbl_Delay"));
    AddLabel(insertBox, QStringLiteral("lbl_s_A"));
    auto* xValue = new QLineEdit(insertBox);
    xValue->setObjectName(QStringLiteral("edt_XAxisValue"));
    xValue->setText(QStringLiteral("12"));
    auto* yValue = new QLineEdit(insertBox);
    yValue->setObjectName(QStringLiteral("edt_YAxisValue"));
    yValue->setText(QStringLiteral("12"));
    AddEdit(insertBox, QStringLiteral("edt_Repeat"), QStringLiteral("10"));
    for (const char* label : {"lbl_XAxisValue", "lbl_YAxisValue", "lbl_Repeat"})
        AddLabel(insertBox, QString::fromLatin1(label));
    for (const char* button : {"InsertStart", "OK", "Cancel"}) {
        AddPicture(insertBox, QStringLiteral("Img_%1").arg(QLatin1String(button)));
        AddLabel(insertBox, QStringLiteral("Btn_%1").arg(QLatin1String(button)));
    }

    AddMenu(page, QStringLiteral("Pnl_PCMacro"),
            {QStringLiteral("Btn_NewMacro"), QStringLiteral("Btn_NewName"), QStringLiteral("Btn_DelPCMacro"),
             QStringLiteral("Btn_ImportOne"), QStringLiteral("Btn_Import"), QStringLiteral("Btn_ExportOne"),
             QStringLiteral("Btn_Export")});
    AddMenu(page, QStringLiteral("Pnl_DevContent"),
            {QStringLiteral("Btn_Edit"), QStringLiteral("Btn_Del"), QStringLiteral("Btn_Insert")});
}

}  // namespace orvex
