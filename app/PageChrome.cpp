#include "app/PageChrome.h"

#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex {

const QStringList& WindowButtonNames()
{
    static const QStringList names{
        QStringLiteral("Confirm"),  QStringLiteral("Apply"),    QStringLiteral("Read"),
        QStringLiteral("Confirm1"), QStringLiteral("Confirm2"), QStringLiteral("Confirm3"),
        QStringLiteral("Mini"),     QStringLiteral("Exit"),
    };
    return names;
}

const QStringList& PageButtonNames()
{
    static const QStringList names{
        QStringLiteral("Main"),   QStringLiteral("Second"), QStringLiteral("Adv"),
        QStringLiteral("Breath"), QStringLiteral("Macro"),  QStringLiteral("Save"),
        QStringLiteral("Load"),   QStringLiteral("Engineer"),
    };
    return names;
}

const QStringList& LanguageButtonNames()
{
    static const QStringList names{QStringLiteral("Lang1"), QStringLiteral("Lang2"),
                                   QStringLiteral("Lang3")};
    return names;
}

QString CopyName(const QString& prefix, const QString& name, int copy)
{
    return QStringLiteral("%1%2_%3").arg(prefix, name).arg(copy);
}

void CreatePageChrome(QWidget* page, int copy)
{
    auto createButton = [&](const QString& name) {
        new SkinPicture(CopyName(QStringLiteral("Img_"), name, copy), page);
        new SkinLabel(CopyName(QStringLiteral("Btn_"), name, copy), page);
    };
    for (const QString& name : WindowButtonNames())
        createButton(name);
    for (const QString& name : PageButtonNames())
        createButton(name);
    for (const QString& name : LanguageButtonNames())
        createButton(name);
    createButton(QStringLiteral("Web"));
}

}  // namespace orvex
