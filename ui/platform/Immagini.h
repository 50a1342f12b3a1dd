#pragma once
// The program's pictures and toolbar icons, drawn as SVG and built into the
// program. A picture that cannot be found or read is reported as missing, so
// the start-up can refuse to go on as it does with a damaged installation.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace veltra {

// The pictures with a fixed role in the main window.
enum class Immagine {
    Avvio,     // 143: shown centred on the screen while the data load
    Sfondo,    // 203: tile repeated over the main window's client area
    Centro,    // 172: drawn centred over the tiles
    Programma, // the program's icon, also in the information window
};

class Immagini {
public:
    // Pictures come from `cartella` (the built-in ":/immagini" by default;
    // tests point it at a folder of their own).
    explicit Immagini(QString cartella = QStringLiteral(":/immagini"));

    QString Percorso(Immagine immagine) const;
    // The file exists and is a readable drawing.
    bool Presente(Immagine immagine) const;
    // Avvio, Centro and Sfondo: the three the start-up cannot do without.
    bool ImmaginiAvvioPresenti() const;
    // The drawing's own size in logical pixels; empty when missing.
    QSize Dimensione(Immagine immagine) const;
    // Rendered at its own size times `scala` (the screen's device pixel
    // ratio), sharp on high-DPI screens; null when missing.
    QPixmap Pixmap(Immagine immagine, qreal scala = 1.0) const;
    QPixmap Pixmap(Immagine immagine, QSize dimensione, qreal scala = 1.0) const;
    QIcon Icona(Immagine immagine) const;

    QString PercorsoComando(int comando) const;
    // Null when the command has no icon.
    QIcon IconaComando(int comando) const;

private:
    QString cartella_;
};

// The built-in pictures.
const Immagini& ImmaginiProgramma();
QIcon IconaComando(int comando);
QIcon IconaProgramma();

// Registers the resources of the ui library (images, help pages); safe to
// call more than once. The accessors above call it themselves.
void InizializzaRisorseUi();

} // namespace veltra
