#include "keys/MainPageControls.h"

#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex {

void CreateMainPageControls(QWidget* page)
{
    new SkinPicture(QStringLiteral("Img_P1"), page);
    for (int k = 1; k <= 9; ++k) {
        new SkinPicture(QStringLiteral("Img_Key%1").arg(k), page);
        auto* label = new SkinLabel(QStringLiteral("Key%1").arg(k), page);
        label->setAlignment(Qt::AlignCenter);
    }
    for (int k = 1; k <= 2; ++k) {
        new SkinPicture(QStringLiteral("Img_ComboKey%1").arg(k), page);
        auto* label = new SkinLabel(QStringLiteral("IB_ComboKey%1").arg(k), page);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The check mark sits under the label's leading blanks.
        label->resize(320, 20);
    }
}

}  // namespace orvex
