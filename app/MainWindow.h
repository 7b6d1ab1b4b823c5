#pragma once

#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <array>

namespace orvex {

class EngineerPage;
class SkinnedPage;

// The borderless main window TForm1: the four skinned user pages and the
// engineer page, exactly one visible, shaped by the page background (its
// RGB(128, 0, 0) pixels are see-through). It owns the widget tree only; what
// the pages show comes from the application state through the page modules.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(bool engineerButtonsVisible, QWidget* parent = nullptr);

    static constexpr int kEngineerPageWidth = 1076;
    static constexpr int kEngineerPageHeight = 640;

    SkinnedPage* Page(int number) const;  // 1..4
    EngineerPage* Engineer() const { return m_engineerPage; }

    // The page of that number (1..4, 6) becomes the only visible one.
    void ShowOnlyPage(int number);
    int VisiblePage() const;

    void LockPages();
    void UnlockPages();
    bool PagesLocked() const;

    // The skin background gives the window and the user pages their size.
    void SetBackgroundSize(const QSize& size);
    QSize BackgroundSize() const { return m_backgroundSize; }
    void FitWindowToSkin();
    void FitWindowToEngineerPage();
    // The window takes the outline of the picture: maroon pixels are cut out.
    void ShapeToPicture(const QPixmap& picture);

    void CentreOnScreen();
    // Starts a system move of the borderless window (dragging by any button).
    void BeginDrag();

Q_SIGNALS:
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<SkinnedPage*, 4> m_pages{};
    EngineerPage* m_engineerPage = nullptr;
    QSize m_backgroundSize;
    QPixmap m_shapePicture;
    QRegion m_shape;
};

}  // namespace orvex
