#pragma once

#include <QString>

class QWidget;
class QRadioButton;

namespace orvex {

class SkinLabel;
class SkinPicture;

// Small helpers that create named controls; the skin places them later.
SkinPicture* AddPicture(QWidget* parent, const QString& name);
SkinLabel* AddLabel(QWidget* parent, const QString& name, const QString& text = {});

// A hidden group of mutually exclusive radio buttons that records a choice
// other code reads (the page marker rb_1.., the language rb_Lang1..).
QWidget* AddHiddenRadioGroup(QWidget* parent, const QString& groupName, const QStringList& buttonNames);

}  // namespace orvex
