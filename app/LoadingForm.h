#pragma once

#include <QWidget>

class QTimer;

namespace orvex {

// TFormLoadingUI: the small borderless always-on-top form shown over the main
// window while the mouse is read or written. Its only control, WaitGif,
// plays an animation of our own (a rotating ring of segments).
class LoadingForm : public QWidget {
    Q_OBJECT

public:
    explicit LoadingForm(QWidget* parent = nullptr);

    static constexpr int kWidth = 206;
    static constexpr int kHeight = 196;

    // Centred over the given window, then shown.
    void ShowOver(const QWidget* window);
    // Where ShowOver puts the form for a window with that geometry.
    static QPoint PlacementOver(const QRect& windowGeometry);
};

}  // namespace orvex
