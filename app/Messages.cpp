#include "app/Messages.h"

#include <QMessageBox>

#include "app/Configurator.h"
#include "ui/LanguageApplier.h"

namespace orvex {

QMessageBox* ShowMessage(QWidget* window, const Configurator& state, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, state.Language().title(), text, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QFont font = box->font();
    font.setFamilies(FontFamiliesFor(state.Language().fontName()));
    box->setFont(font);
    box->setWindowModality(Qt::WindowModal);
    box->show();
    return box;
}

QMessageBox* ShowMessageKey(QWidget* window, const Configurator& state, const QString& key)
{
    return ShowMessage(window, state, state.Text(key));
}

}  // namespace orvex
