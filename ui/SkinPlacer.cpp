#include "ui/SkinPlacer.h"

#include <QPalette>

#include <stdexcept>

namespace orvex {

SkinPlacer::SkinPlacer(QWidget* root, const LayoutSection& section)
    : m_section(section)
{
    // One index of the tree instead of a search per key: the pass reads a few
    // hundred keys over about a thousand controls.
    const QList<QWidget*> all = root->findChildren<QWidget*>();
    m_controls.reserve(all.size() + 1);
    for (QWidget* w : all) {
        if (!w->objectName().isEmpty())
            m_controls.insert(w->objectName(), w);
    }
    m_controls.insert(root->objectName(), root);
}

QWidget* SkinPlacer::Require(const QString& name) const
{
    QWidget* w = Find(name);
    if (!w)
        throw std::logic_error("skin control missing: " + name.toStdString());
    return w;
}

bool SkinPlacer::Enable(const QString& prefix, const QString& picture, const QString& label)
{
    const bool shown = Int(prefix + QStringLiteral("_Enable")) == 1;
    Require(picture)->setVisible(shown);
    Require(label)->setVisible(shown);
    return shown;
}

void SkinPlacer::PictureButton(const QString& picture, const QString& label, int x, int y)
{
    QWidget* p = Require(picture);
    p->move(x, y);
    Require(label)->setGeometry(x, y, p->width(), p->height());
}

void SkinPlacer::InsetButton(const QString& picture, const QString& label, int x, int y, int front,
                             int back)
{
    QWidget* p = Require(picture);
    p->move(x, y);
    Require(label)->setGeometry(x + front, y, p->width() - front - back, p->height());
}

void SkinPlacer::CheckMark(const QString& picture, const QString& label, int x, int y)
{
    Require(picture)->move(x, y);
    Require(label)->move(x, y - 2);
}

void SkinPlacer::OptionMark(const QString& picture, const QString& label, int x, int y)
{
    Require(picture)->move(x, y);
    Require(label)->move(x - 4, y - 2);
}

void SkinPlacer::Swatch(const QString& picture, const QString& shape, const QString& label, int x,
                        int y)
{
    QWidget* p = Require(picture);
    p->move(x, y);
    Require(shape)->setGeometry(x, y, p->width(), p->height());
    Require(label)->setGeometry(x, y, p->width(), p->height());
}

void SkinPlacer::Move(const QString& name, int x, int y)
{
    Require(name)->move(x, y);
}

void SkinPlacer::FontSize(const QStringList& names, int pointSize)
{
    for (const QString& name : names) {
        QWidget* w = Require(name);
        QFont font = w->font();
        font.setPointSize(qMax(1, pointSize));
        w->setFont(font);
    }
}

void SkinPlacer::FontColour(const QStringList& names, const Rgb& colour)
{
    const QColor c(qBound(0, colour.r, 255), qBound(0, colour.g, 255), qBound(0, colour.b, 255));
    for (const QString& name : names) {
        QWidget* w = Require(name);
        QPalette palette = w->palette();
        palette.setColor(QPalette::WindowText, c);
        palette.setColor(QPalette::Text, c);
        palette.setColor(QPalette::ButtonText, c);
        w->setPalette(palette);
    }
}

void SkinPlacer::Background(const QStringList& names, const Rgb& colour)
{
    const QColor c(qBound(0, colour.r, 255), qBound(0, colour.g, 255), qBound(0, colour.b, 255));
    for (const QString& name : names) {
        QWidget* w = Require(name);
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, c);
        palette.setColor(QPalette::Base, c);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    }
}

}  // namespace orvex
