#include "SuoniQt.h"

#include <QSoundEffect>
#include <QUrl>

#include <chrono>
#include <thread>

namespace veltra {

SuoniQt::SuoniQt(std::filesystem::path cartella, QObject* parent)
    : QObject(parent), cartella_(std::move(cartella)) {}

SuoniQt::~SuoniQt() = default;

int SuoniQt::DurataWav(const std::filesystem::path& file) {
    const auto f = LeggiFormatoWav(file);
    return f ? f->millisecondi : -1;
}

void SuoniQt::Avvia(const std::string& nome) {
    QSoundEffect*& e = effetti_[nome];
    if (!e) {
        e = new QSoundEffect(this);
        e->setSource(QUrl::fromLocalFile(QString::fromStdString((cartella_ / nome).string())));
    }
    e->stop();
    e->play();
}

void SuoniQt::Suona(const std::string& nome, bool attendi) {
    QMetaObject::invokeMethod(this, [this, nome] { Avvia(nome); }, Qt::QueuedConnection);
    if (!attendi) return;
    const int ms = DurataWav(cartella_ / nome);
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms + 30));
}

} // namespace veltra
