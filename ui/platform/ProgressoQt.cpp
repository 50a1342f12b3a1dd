#include "platform/ProgressoQt.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <utility>

namespace veltra {

namespace {

// QProgressBar counts in int; the core's ranges are long.
int InIntero(long v) {
    return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX));
}

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
    interrompi_ = new QPushButton(QStringLiteral("Interrompi"), this);
    interrompi_->setObjectName(QStringLiteral("Interrompi"));
    interrompi_->hide();
    connect(interrompi_, &QPushButton::clicked, this, [this] {
        interrompi_->setEnabled(false);
        interrompi_->setText(QStringLiteral("Interruzione..."));
        if (auto r = std::exchange(richiesta_, nullptr)) r();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titolo_);
    layout->addWidget(barra_);
    layout->addWidget(contatore_);
    layout->addWidget(interrompi_, 0, Qt::AlignRight);
    show();
}

void ProgressoQt::ConsentiInterruzione(std::function<void()> richiesta) {
    richiesta_ = std::move(richiesta);
    interrompi_->setVisible(static_cast<bool>(richiesta_));
}

void ProgressoQt::closeEvent(QCloseEvent* e) {
    // The window goes away when the work ends; until then a close is a stop
    // request (or nothing, when the work cannot be stopped).
    if (interrompi_->isVisible() && interrompi_->isEnabled()) interrompi_->click();
    e->ignore();
}

void ProgressoQt::Titolo(const std::string& titolo) {
    titolo_->setText(QString::fromStdString(titolo));
}

void ProgressoQt::Intervallo(long minimo, long massimo) {
    barra_->setRange(InIntero(minimo), InIntero(massimo));
}

void ProgressoQt::Posizione(long posizione) {
    barra_->setValue(InIntero(posizione));
}

void ProgressoQt::MostraBarra(bool visibile) {
    barra_->setVisible(visibile);
}

void ProgressoQt::Contatore(const std::string& testo) {
    contatore_->setText(QString::fromStdString(testo));
    contatore_->setVisible(!testo.empty());
}

QString ProgressoQt::TestoTitolo() const {
    return titolo_->text();
}

QString ProgressoQt::TestoContatore() const {
    return contatore_->isHidden() ? QString() : contatore_->text();
}

} // namespace veltra
