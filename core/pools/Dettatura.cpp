#include "pools/Dettatura.h"

#include "platform/Suoni.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace veltra {

std::string FileSuonoCodice(int codice) {
    switch (codice) {
    case 1: return "uno.wav";
    case 2: return "due.wav";
    case 3: return "ics.wav";
    case 4: return "unoics.wav";
    case 5: return "icsdue.wav";
    case 6: return "unodue.wav";
    case 7: return "unoicsdue.wav";
    default: return "";
    }
}

CDettatura::CDettatura(ISuoni& suoni, Attesa attesa) : suoni_(suoni), attesa_(std::move(attesa)) {}

CDettatura::~CDettatura() { Chiudi(); }

bool CDettatura::Avvia(std::vector<ColonnaDettata> colonne, std::function<void(FineDettatura)> fine) {
    if (inCorso_.load()) return false;
    if (worker_.joinable()) worker_.join(); // the previous one has ended
    pausa_ = false;
    stop_ = false;
    chiusura_ = false;
    inCorso_ = true;
    worker_ = std::thread(&CDettatura::Lavora, this, std::move(colonne), std::move(fine));
    return true;
}

bool CDettatura::Pausa() {
    const bool ora = !pausa_.load();
    pausa_ = ora;
    return ora;
}

void CDettatura::Stop() { stop_ = true; }

void CDettatura::Chiudi() {
    {
        std::lock_guard<std::mutex> l(m_);
        chiusura_ = true;
        stop_ = true;
    }
    sveglia_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void CDettatura::ImpostaPausaTraSegni(int decimi) {
    pausaTraSegni_ = std::clamp(decimi, kPausaMin, kPausaMax);
}

void CDettatura::Aspetta(int ms) {
    if (chiusura_.load()) return;
    if (attesa_) {
        attesa_(ms);
        return;
    }
    std::unique_lock<std::mutex> l(m_);
    sveglia_.wait_for(l, std::chrono::milliseconds(ms), [this] { return chiusura_.load(); });
}

void CDettatura::Lavora(std::vector<ColonnaDettata> colonne, std::function<void(FineDettatura)> fine) {
    auto termina = [&](FineDettatura f) {
        inCorso_ = false;
        if (!chiusura_.load() && fine) fine(f);
    };
    Aspetta(kAttesaInizio);
    for (const ColonnaDettata& col : colonne) {
        Aspetta(kAttesaColonna);
        for (int codice : col) {
            Aspetta(pausaTraSegni_.load() * 100);
            // Stop is honoured while paused too: the user must not have to
            // resume in order to stop.
            while (pausa_.load() && !stop_.load())
                Aspetta(kAttesaPausa);
            if (stop_.load()) {
                termina(FineDettatura::Fermata);
                return;
            }
            const std::string file = FileSuonoCodice(codice);
            if (!file.empty()) suoni_.Suona(file, true);
        }
    }
    termina(FineDettatura::Completata);
}

char SegnoNascosto(int valore) {
    const double x = static_cast<double>(valore) / 32767.0;
    const int a = static_cast<int>(x * 13.0);
    return a <= 4 ? '1' : a <= 9 ? 'X' : '2';
}

std::array<char, 13> ColonnaNascosta(GeneratoreColonna& g) {
    std::array<char, 13> c{};
    for (char& s : c)
        s = SegnoNascosto(g.Prossimo());
    return c;
}

} // namespace veltra
