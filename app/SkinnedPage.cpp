#include "app/SkinnedPage.h"

#include <QMouseEvent>

#include "app/PageChrome.h"
#include "ui/SkinPicture.h"

namespace orvex {
namespace {

// A caption-less transparent label over the whole page that takes every
// mouse event, so locked pages ignore clicks on their buttons and labels.
class PageCover : public QWidget {
public:
    PageCover(const QString& name, QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
};

}  // namespace

SkinnedPage::SkinnedPage(int number, QWidget* parent)
    : QWidget(parent)
    , m_number(number)
{
    setObjectName(QStringLiteral("gbPage%1").arg(number));
    m_background = new SkinPicture(QStringLiteral("Img_Base_%1").arg(number), this);
    m_cover = new PageCover(QStringLiteral("Disable_All_%1").arg(number), this);
}

void SkinnedPage::SizeCover(const QSize& size)
{
    m_cover->setGeometry(QRect(QPoint(0, 0), size));
}

void SkinnedPage::FinishStacking()
{
    m_background->lower();
    m_cover->raise();
    for (const char* name : {"Mini", "Exit"}) {
        for (const char* prefix : {"Img_", "Btn_"}) {
            if (auto* w = findChild<QWidget*>(CopyName(QLatin1String(prefix), QLatin1String(name), m_number)))
                w->raise();
        }
    }
}

}  // namespace orvex
