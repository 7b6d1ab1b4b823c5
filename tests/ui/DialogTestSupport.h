#pragma once

#include <QApplication>
#include <QByteArray>
#include <QEnterEvent>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "ui/DialogFrame.h"
#include "ui/LayoutResource.h"
#include "ui/SkinPicture.h"

namespace orvex::testing {

// A stand-in for the main window: a borderless top-level window at the
// given place.
inline std::unique_ptr<QWidget> MakeMainWindow(const QRect& geometry = QRect(100, 50, 1030, 660))
{
    auto window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window->setObjectName(QStringLiteral("TForm1"));
    window->setGeometry(geometry);
    return window;
}

// The text of a built-in layout resource ("org1").
inline QByteArray BuiltInLayoutText(const QString& name)
{
    QFile file(QStringLiteral(":/layout/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The resources of language 3 with one line of its layout replaced (or
// removed when replacement is empty).
inline DialogResources ResourcesWithLayoutLine(const QByteArray& line, const QByteArray& replacement)
{
    QByteArray text = BuiltInLayoutText(QStringLiteral("org3"));
    EXPECT_TRUE(text.contains(line)) << line.toStdString();
    text.replace(line, replacement);
    DialogResources resources = LoadDialogResources(3);
    resources.layout = FindLayoutSection(ParseLayoutText(text), QStringLiteral("org3"));
    return resources;
}

template <typename T>
T* Child(const QWidget* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

inline QString PictureOf(const QWidget* parent, const QString& name)
{
    const auto* picture = Child<SkinPicture>(parent, name);
    return picture ? picture->property("picture").toString() : QString();
}

// The mouse entering and leaving a control, as the window system reports it.
inline void Hover(QWidget* widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(widget, &enter);
}

inline void Unhover(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

inline void Click(QWidget* parent, const QString& name)
{
    QWidget* widget = Child<QWidget>(parent, name);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

// Runs the deletions a closed dialog asked for.
inline void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace orvex::testing
