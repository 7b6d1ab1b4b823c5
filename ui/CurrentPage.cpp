#include "ui/CurrentPage.h"

namespace orvex {

QString PageMarkerName(CurrentPage page)
{
    switch (page) {
    case CurrentPage::ModeA: return QStringLiteral("rb_1");
    case CurrentPage::ModeB: return QStringLiteral("rb_2");
    case CurrentPage::Advanced: return QStringLiteral("rb_4");
    case CurrentPage::Lighting: return QStringLiteral("rb_5");
    case CurrentPage::Macro: return QStringLiteral("rb_6");
    case CurrentPage::Engineer: return QStringLiteral("rb_7");
    }
    return {};
}

int PageContainerNumber(CurrentPage page)
{
    switch (page) {
    case CurrentPage::ModeA:
    case CurrentPage::ModeB: return 1;
    case CurrentPage::Advanced: return 2;
    case CurrentPage::Lighting: return 3;
    case CurrentPage::Macro: return 4;
    case CurrentPage::Engineer: return 6;
    }
    return 1;
}

QString PageButtonName(CurrentPage page)
{
    switch (page) {
    case CurrentPage::ModeA: return QStringLiteral("Main");
    case CurrentPage::ModeB: return QStringLiteral("Second");
    case CurrentPage::Advanced: return QStringLiteral("Adv");
    case CurrentPage::Lighting: return QStringLiteral("Breath");
    case CurrentPage::Macro: return QStringLiteral("Macro");
    case CurrentPage::Engineer: return QStringLiteral("Engineer");
    }
    return {};
}

}  // namespace orvex
