#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "app/Configurator.h"
#include "app/MainWindow.h"
#include "app/WindowController.h"
#include "ui/SkinLabel.h"
#include "ui/SkinPicture.h"

namespace orvex::testing {

// The real main window after its start-up sequence, without a mouse.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(false);
        state = std::make_unique<Configurator>();
        controller = std::make_unique<WindowController>(*window, *state);
        controller->Start();
        window->show();
        CloseMessages();
    }

    void TearDown() override
    {
        CloseMessages();
        controller.reset();
        window.reset();
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QString Picture(const QString& name) const { return Find<SkinPicture>(name)->pictureName(); }
    QString Text(const QString& name) const { return Find<QLabel>(name)->text(); }

    void Enter(const QString& label) const
    {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(Find<SkinLabel>(label), &event);
    }
    void Leave(const QString& label) const
    {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(Find<SkinLabel>(label), &event);
    }
    void Click(const QString& label) const { QTest::mouseClick(Find<QWidget>(label), Qt::LeftButton); }

    // The message boxes open now, and closing them.
    static QList<QMessageBox*> Messages()
    {
        QList<QMessageBox*> boxes;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                boxes << box;
        }
        return boxes;
    }
    static void CloseMessages()
    {
        for (QMessageBox* box : Messages())
            box->close();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<Configurator> state;
    std::unique_ptr<WindowController> controller;
};

}  // namespace orvex::testing
