// veltra-cli giornata: one matchday of a championship's calendar, every
// fixture with the model's 1/X/2, the fair odds and, where the betting
// module holds odds for it, the market's probabilities and the value.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/giornata/ProssimaGiornata.h"
#include "engine/ImpostaParametro.h"

#include <cstdio>
#include <memory>

namespace veltra::cli {

namespace {

class MessaggiRaccolti : public IMessaggi {
public:
    Risposta Mostra(const std::string& testo, Icona, Pulsanti p, int) override {
        std::string riga = testo;
        for (char& c : riga)
            if (c == '\n') c = ' ';
        righe.push_back(riga);
        return p == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
    }
    std::vector<std::string> righe;
};

} // namespace

int ComandoGiornata(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string campionato;
    int numero = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--campionato")
            campionato = ValoreOpzione(a, i);
        else if (a[i] == "--numero") {
            const std::string v = ValoreOpzione(a, i);
            const auto n = LeggiIntero(v);
            if (!n || *n < 1 || *n > 999) throw ErroreUso{"--numero vuole una giornata da 1 a 999: " + v};
            numero = static_cast<int>(*n);
        } else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (campionato.empty()) throw ErroreUso{"manca --campionato"};
    const auto id = CercaCampionato(campionato);
    if (!id) throw ErroreUso{"campionato sconosciuto: " + campionato};
    const std::string cartella = ApriCartellaLettura(opzioneCartella);

    // The load's notes on other championships (one that cannot be estimated
    // yet) are not this command's business: they are shown only when the
    // folder cannot be read.
    std::unique_ptr<DatiGlobali> dati;
    MessaggiRaccolti messaggi;
    if (!LetturaStabile(cartella, [&] {
            dati = std::make_unique<DatiGlobali>();
            messaggi.righe.clear();
            return CaricaAvvio(*dati, cartella, messaggi);
        })) {
        for (const auto& r : messaggi.righe) std::fprintf(stderr, "veltra-cli: %s\n", r.c_str());
        return kEsitoCaricamento;
    }
    const Giornata g = CalcolaGiornata(*dati, *id, numero);
    if (g.numero == 0) {
        std::fprintf(stderr, "veltra-cli: %s\n", g.errore.c_str());
        return kEsitoCaricamento;
    }
    for (const std::string& r : RigheTerminale(g)) std::printf("%s\n", r.c_str());
    return kEsitoOk;
}

} // namespace veltra::cli
