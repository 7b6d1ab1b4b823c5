#pragma once

#include <QWidget>

namespace orvex {

class SkinPicture;

// One of the four skinned user pages (gbPage1 .. gbPage4): the page
// background Img_Base_<n>, the page's own controls, its copy of the window
// and page buttons, and the cover Disable_All_<n> that swallows clicks while
// the pages are locked (exit and minimise stay above it).
class SkinnedPage : public QWidget {
    Q_OBJECT

public:
    SkinnedPage(int number, QWidget* parent);

    int Number() const { return m_number; }
    SkinPicture* Background() const { return m_background; }
    QWidget* Cover() const { return m_cover; }

    // Sizes the cover to the background picture.
    void SizeCover(const QSize& size);
    // Puts the cover and the controls above it into their stacking order;
    // called once all controls exist.
    void FinishStacking();

private:
    int m_number;
    SkinPicture* m_background;
    QWidget* m_cover;
};

}  // namespace orvex
