#include "platform/ProgressoQt.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace veltra {

namespace {

// QProgressBar counts in int; the core's ranges are long.
int InIntero(long v) {
    return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX));
}

// Repaint at most this often: a computation may move the bar millions of times.
constexpr qint64 kIntervalloMinimoMs = 40;

} // namespace

ProgressoQt::ProgressoQt(QWidget* genitore)
    : QWidget(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressoQt"));
    setWindowTitle(QStringLiteral("VELTRA"));
    titolo_ = new QLabel(this);
    barra_ = new QProgressBar(this);
    contatore_ = new QLabel(this);
    contatore_->hide();
    barra_->setTextVisible(false);
    barra_->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titolo_);
    layout->addWidget(barra_);
    layout->addWidget(contatore_);
    show();
    Aggiorna();
}

void ProgressoQt::Titolo(const std::string& titolo) {
    titolo_->setText(QString::fromStdString(titolo));
    Aggiorna();
}

void ProgressoQt::Intervallo(long minimo, long massimo) {
    barra_->setRange(InIntero(minimo), InIntero(massimo));
}

void ProgressoQt::Posizione(long posizione) {
    const int v = InIntero(posizione);
    if (v == barra_->value()) return;
    barra_->setValue(v);
    if (!ultimoAggiornamento_.isValid() || ultimoAggiornamento_.elapsed() >= kIntervalloMinimoMs ||
        v == barra_->maximum())
        Aggiorna();
}

void ProgressoQt::MostraBarra(bool visibile) {
    barra_->setVisible(visibile);
    Aggiorna();
}

void ProgressoQt::Contatore(const std::string& testo) {
    contatore_->setText(QString::fromStdString(testo));
    contatore_->setVisible(!testo.empty());
    Aggiorna();
}

QString ProgressoQt::TestoTitolo() const {
    return titolo_->text();
}

QString ProgressoQt::TestoContatore() const {
    return contatore_->isHidden() ? QString() : contatore_->text();
}

void ProgressoQt::Aggiorna() {
    // Painting and timers only: a click or a key during the computation must
    // not start another command on top of the one that is running, and a
    // paint handler that moves the bar again must not recurse here.
    if (inAggiornamento_) return;
    inAggiornamento_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    inAggiornamento_ = false;
    ultimoAggiornamento_.restart();
}

} // namespace veltra
