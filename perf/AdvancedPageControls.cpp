#include "perf/AdvancedPageControls.h"

#include <QCheckBox>
#include <QStringList>

#include "ui/ControlFactory.h"
#include "ui/NumericEdit.h"
#include "ui/RectShape.h"
#include "ui/SkinLabel.h"

namespace orvex {
namespace {

void AddScale(QWidget* page, const QString& name, int segments, bool numbered)
{
    for (int i = 1; i <= segments; ++i) {
        AddPicture(page, QStringLiteral("Img_%1%2").arg(name).arg(i));
        if (numbered)
            AddLabel(page, QStringLiteral("lbl_%1%2").arg(name).arg(i), QString::number(i));
    }
}

void AddHiddenCheckBox(QWidget* page, const QString& name)
{
    auto* box = new QCheckBox(page);
    box->setObjectName(name);
    box->hide();
}

}  // namespace

void CreateAdvancedPageControls(QWidget* page)
{
    AddPicture(page, QStringLiteral("Img_P2"));
    for (const char* name : {"Edt_Repeat1", "Edt_DelayTime1"}) {
        auto* edit = new TIntEdit(QString::fromLatin1(name), page);
        edit->setAlignment(Qt::AlignCenter);
        edit->resize(60, 22);
    }
    // Texts until an image is shown.
    page->findChild<TIntEdit*>(QStringLiteral("Edt_Repeat1"))->setText(QStringLiteral("2"));
    page->findChild<TIntEdit*>(QStringLiteral("Edt_DelayTime1"))->setText(QStringLiteral("16"));

    AddScale(page, QStringLiteral("Spd"), 11, true);
    AddScale(page, QStringLiteral("DbSpd"), 11, true);
    AddScale(page, QStringLiteral("ScrSpd"), 11, true);
    for (const char* option : {"IsControl", "IsScreen"}) {
        AddPicture(page, QStringLiteral("Img_%1").arg(QLatin1String(option)));
        AddLabel(page, QStringLiteral("lbl_%1").arg(QLatin1String(option)));
        AddHiddenCheckBox(page, QStringLiteral("cb_%1").arg(QLatin1String(option)));
    }

    QStringList levelRadios;
    for (int n = 1; n <= 7; ++n) {
        AddPicture(page, QStringLiteral("Img_DPI%1").arg(n));
        AddLabel(page, QStringLiteral("lbl_DPI%1").arg(n));
        AddLabel(page, QStringLiteral("lbl_DPI%1Value").arg(n));
        for (int j = 1; j <= 11; ++j)
            AddPicture(page, QStringLiteral("Img_DPI%1_%2").arg(n).arg(j));
        auto* swatch = new TRectShape(QStringLiteral("cs_DPI%1Col").arg(n), page);
        swatch->SetShadow(false);
        AddPicture(page, QStringLiteral("Img_DPI%1Col").arg(n));
        AddLabel(page, QStringLiteral("lbl_DPI%1Col").arg(n));
        levelRadios << QStringLiteral("rb_DPI%1").arg(n);
    }
    AddHiddenRadioGroup(page, QStringLiteral("gbDPI"), levelRadios);

    AddLabel(page, QStringLiteral("lbl_AIMKey"));
    AddLabel(page, QStringLiteral("lbl_AIMKeyValue"));
    for (int j = 1; j <= 11; ++j)
        AddPicture(page, QStringLiteral("Img_AIMKey_%1").arg(j));
}

}  // namespace orvex
