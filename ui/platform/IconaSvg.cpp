#include "platform/IconaSvg.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace veltra {

IconaSvg::IconaSvg(QString percorso) : percorso_(std::move(percorso)) {}

QPixmap IconaSvg::pixmap(const QSize& dimensione, QIcon::Mode modo, QIcon::State) {
    if (dimensione.isEmpty()) return {};
    const QString chiave = QStringLiteral("veltra-svg:%1:%2x%3:%4")
                               .arg(percorso_)
                               .arg(dimensione.width())
                               .arg(dimensione.height())
                               .arg(static_cast<int>(modo));
    QPixmap pm;
    if (QPixmapCache::find(chiave, &pm)) return pm;
    QSvgRenderer disegno(percorso_);
    if (!disegno.isValid()) return {};
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        // Keep the drawing's proportions inside a non-square request.
        QSizeF s = disegno.defaultSize();
        s.scale(dimensione, Qt::KeepAspectRatio);
        disegno.render(&p, QRectF(QPointF((dimensione.width() - s.width()) / 2.0,
                                          (dimensione.height() - s.height()) / 2.0),
                                  s));
    }
    pm = QPixmap::fromImage(img);
    if (modo != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QStyleOption opzioni;
        opzioni.palette = QApplication::palette();
        const QPixmap generata = QApplication::style()->generatedIconPixmap(modo, pm, &opzioni);
        if (!generata.isNull()) pm = generata;
    }
    QPixmapCache::insert(chiave, pm);
    return pm;
}

void IconaSvg::paint(QPainter* painter, const QRect& rettangolo, QIcon::Mode modo,
                     QIcon::State stato) {
    const qreal scala = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pm = pixmap(rettangolo.size() * scala, modo, stato);
    pm.setDevicePixelRatio(scala);
    painter->drawPixmap(rettangolo.topLeft(), pm);
}

QSize IconaSvg::actualSize(const QSize& dimensione, QIcon::Mode, QIcon::State) {
    return dimensione;
}

QIconEngine* IconaSvg::clone() const {
    return new IconaSvg(percorso_);
}

QString IconaSvg::key() const {
    return QStringLiteral("IconaSvg");
}

bool IconaSvg::isNull() {
    return !QFile::exists(percorso_);
}

} // namespace veltra
