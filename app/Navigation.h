#pragma once

#include <QObject>

#include <functional>

#include "ui/CurrentPage.h"

namespace orvex {

class Configurator;
class MainWindow;

// Page switching: the page buttons of the four skinned pages and of the
// engineer page, the page markers rb_1 .. rb_7, and showing the page that
// CurrentPage names after a language switch.
class Navigation : public QObject {
    Q_OBJECT

public:
    struct Context {
        std::function<bool()> deviceOpen;
        std::function<void()> hideAllMenus;
        std::function<void(const QString& key)> showMessage;
        std::function<void()> refreshEngineerRows;
        std::function<bool()> insertBoxActive;
    };

    Navigation(MainWindow& window, Configurator& state, Context context, QObject* parent = nullptr);

    // The page button handler of a page (Btn_Main_0Click .. Btn_Engineer_0Click).
    void OpenPage(CurrentPage page);

    // Shows the page CurrentPage names; page 1 alone while the no-device state
    // is shown (RefreshAPPage).
    void RefreshAPPage();

    // The normal picture in every copy of the family B buttons.
    void ButtonTypeB_1IconInit();

    // Records page in the marker radio buttons and the state.
    void MarkPage(CurrentPage page);

private:
    void ShowPageContainer(CurrentPage page);

    MainWindow& m_window;
    Configurator& m_state;
    Context m_context;
};

}  // namespace orvex
