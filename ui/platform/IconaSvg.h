#pragma once
// An icon engine that renders an SVG file at the size asked for, so toolbar
// buttons stay sharp at any scale without a set of bitmaps per size.
#include <QIconEngine>
#include <QString>

namespace veltra {

class IconaSvg : public QIconEngine {
public:
    explicit IconaSvg(QString percorso);

    void paint(QPainter* painter, const QRect& rettangolo, QIcon::Mode modo,
               QIcon::State stato) override;
    QPixmap pixmap(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato) override;
    QSize actualSize(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    QString percorso_;
};

} // namespace veltra
