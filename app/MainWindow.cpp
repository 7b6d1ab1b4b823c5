#include "app/MainWindow.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "app/PageChrome.h"
#include "app/SkinnedPage.h"
#include "keys/FunctionMenus.h"
#include "keys/MainPageControls.h"
#include "macro/MacroPageControls.h"
#include "perf/AdvancedPageControls.h"
#include "perf/EngineerPage.h"
#include "perf/LightPageControls.h"
#include "ui/ControlFactory.h"

namespace orvex {
namespace {

// The colour the skin uses for see-through pixels.
constexpr QRgb kSeeThrough = qRgb(128, 0, 0);

}  // namespace

MainWindow::MainWindow(bool engineerButtonsVisible, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("ORVEX71 Gaming Mouse v1.0"));
    setAttribute(Qt::WA_TranslucentBackground);

    for (int n = 1; n <= 4; ++n) {
        auto* page = new SkinnedPage(n, this);
        m_pages[n - 1] = page;
        switch (n) {
        case 1: CreateMainPageControls(page); break;
        case 2: CreateAdvancedPageControls(page); break;
        case 3: CreateLightPageControls(page); break;
        case 4: CreateMacroPageControls(page); break;
        }
        CreatePageChrome(page, n);
        for (const char* prefix : {"Img_", "Btn_"}) {
            QWidget* engineerButton =
                page->findChild<QWidget*>(CopyName(QLatin1String(prefix), QStringLiteral("Engineer"), n));
            engineerButton->setVisible(engineerButtonsVisible);
        }
        page->FinishStacking();
    }

    m_engineerPage = new EngineerPage(this);

    CreateFunctionMenus(this);
    AddHiddenRadioGroup(this, QStringLiteral("gbCurrentPage"),
                        {QStringLiteral("rb_1"), QStringLiteral("rb_2"), QStringLiteral("rb_4"),
                         QStringLiteral("rb_5"), QStringLiteral("rb_6"), QStringLiteral("rb_7")});
    AddHiddenRadioGroup(this, QStringLiteral("gbLanguage"),
                        {QStringLiteral("rb_Lang1"), QStringLiteral("rb_Lang2"), QStringLiteral("rb_Lang3")});

    ShowOnlyPage(1);
}

SkinnedPage* MainWindow::Page(int number) const
{
    return m_pages.at(number - 1);
}

void MainWindow::ShowOnlyPage(int number)
{
    for (SkinnedPage* page : m_pages)
        page->setVisible(page->Number() == number);
    m_engineerPage->setVisible(number == 6);
}

int MainWindow::VisiblePage() const
{
    for (SkinnedPage* page : m_pages) {
        if (page->isVisibleTo(this))
            return page->Number();
    }
    return m_engineerPage->isVisibleTo(this) ? 6 : 0;
}

void MainWindow::LockPages()
{
    for (SkinnedPage* page : m_pages)
        page->Cover()->show();
}

void MainWindow::UnlockPages()
{
    for (SkinnedPage* page : m_pages)
        page->Cover()->hide();
}

bool MainWindow::PagesLocked() const
{
    return m_pages[0]->Cover()->isVisibleTo(m_pages[0]);
}

void MainWindow::SetBackgroundSize(const QSize& size)
{
    m_backgroundSize = size;
    for (SkinnedPage* page : m_pages)
        page->SizeCover(size);
}

void MainWindow::FitWindowToSkin()
{
    resize(m_backgroundSize);
    for (SkinnedPage* page : m_pages)
        page->setGeometry(QRect(QPoint(0, 0), m_backgroundSize));
    m_engineerPage->setGeometry(0, 0, kEngineerPageWidth, kEngineerPageHeight);
    if (!m_shapePicture.isNull())
        setMask(m_shape);
}

void MainWindow::FitWindowToEngineerPage()
{
    resize(kEngineerPageWidth, kEngineerPageHeight);
    for (SkinnedPage* page : m_pages)
        page->setGeometry(QRect(QPoint(0, 0), m_backgroundSize));
    m_engineerPage->setGeometry(0, 0, kEngineerPageWidth, kEngineerPageHeight);
    // The engineer page is a plain rectangle.
    clearMask();
}

void MainWindow::ShapeToPicture(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    m_shape = QRegion(QBitmap::fromImage(image.createMaskFromColor(kSeeThrough, Qt::MaskInColor)));
    m_shapePicture = picture;
    if (VisiblePage() != 6)
        setMask(m_shape);
}

void MainWindow::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - m_backgroundSize.width()) / 2,
         area.y() + (area.height() - m_backgroundSize.height()) / 2);
}

void MainWindow::BeginDrag()
{
    if (QWindow* handle = windowHandle())
        handle->startSystemMove();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Q_EMIT closing();
    event->accept();
}

}  // namespace orvex
