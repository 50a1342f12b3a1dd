#include "platform/Immagini.h"

#include "platform/IconaSvg.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must be used outside any namespace. The ui library is
// static: without this reference the linker would drop the resources.
static void RegistraRisorse() {
    Q_INIT_RESOURCE(veltra);
}

namespace veltra {

void InizializzaRisorseUi() {
    static const bool fatto = (RegistraRisorse(), true);
    (void)fatto;
}

namespace {

QString NomeFile(Immagine immagine) {
    switch (immagine) {
    case Immagine::Avvio:
        return QStringLiteral("avvio.svg");
    case Immagine::Sfondo:
        return QStringLiteral("sfondo.svg");
    case Immagine::Centro:
        return QStringLiteral("centro.svg");
    case Immagine::Programma:
        return QStringLiteral("veltra.svg");
    }
    return {};
}

QPixmap Disegna(const QString& percorso, QSize dimensione, qreal scala) {
    QSvgRenderer disegno(percorso);
    if (!disegno.isValid()) return {};
    if (dimensione.isEmpty()) dimensione = disegno.defaultSize();
    QPixmap pm(dimensione * scala);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        disegno.render(&p, QRectF(QPointF(0, 0), QSizeF(pm.size())));
    }
    pm.setDevicePixelRatio(scala);
    return pm;
}

} // namespace

Immagini::Immagini(QString cartella) : cartella_(std::move(cartella)) {
    InizializzaRisorseUi();
}

QString Immagini::Percorso(Immagine immagine) const {
    return cartella_ + u'/' + NomeFile(immagine);
}

bool Immagini::Presente(Immagine immagine) const {
    const QString p = Percorso(immagine);
    return QFile::exists(p) && QSvgRenderer(p).isValid();
}

bool Immagini::ImmaginiAvvioPresenti() const {
    return Presente(Immagine::Avvio) && Presente(Immagine::Centro) && Presente(Immagine::Sfondo);
}

QSize Immagini::Dimensione(Immagine immagine) const {
    QSvgRenderer disegno(Percorso(immagine));
    return disegno.isValid() ? disegno.defaultSize() : QSize();
}

QPixmap Immagini::Pixmap(Immagine immagine, qreal scala) const {
    return Pixmap(immagine, QSize(), scala);
}

QPixmap Immagini::Pixmap(Immagine immagine, QSize dimensione, qreal scala) const {
    return Disegna(Percorso(immagine), dimensione, scala);
}

QIcon Immagini::Icona(Immagine immagine) const {
    if (!Presente(immagine)) return {};
    return QIcon(new IconaSvg(Percorso(immagine)));
}

QString Immagini::PercorsoComando(int comando) const {
    return cartella_ + QStringLiteral("/comandi/%1.svg").arg(comando);
}

QIcon Immagini::IconaComando(int comando) const {
    const QString p = PercorsoComando(comando);
    if (!QFile::exists(p)) return {};
    return QIcon(new IconaSvg(p));
}

const Immagini& ImmaginiProgramma() {
    static const Immagini immagini;
    return immagini;
}

QIcon IconaComando(int comando) {
    return ImmaginiProgramma().IconaComando(comando);
}

QIcon IconaProgramma() {
    QIcon icona = ImmaginiProgramma().Icona(Immagine::Programma);
    return icona;
}

} // namespace veltra
