// veltra-cli genera: a working folder of synthetic seasons, for trying the
// program and for tests and benchmarks. Championships not asked for are
// written empty. Existing files of the folder are replaced.
#include "app/DatiGlobali.h"
#include "Comandi.h"

#include "dati/FileDati.h"
#include "app/Salvataggio.h"
#include "platform/Messaggi.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/ImpostaParametro.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace veltra::cli {

int ComandoGenera(const std::vector<std::string>& a) {
    std::string cartella, campionato = "A";
    OpzioniGenerazione o;
    o.stagioni = 12;
    auto intero = [&](std::size_t& i, long min, long max) {
        const std::string nome = a[i];
        const auto v = LeggiIntero(ValoreOpzione(a, i));
        if (!v || *v < min || *v > max) throw ErroreUso{"valore non valido per " + nome};
        return *v;
    };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            cartella = ValoreCartella(a, i);
        else if (a[i] == "--campionato")
            campionato = ValoreOpzione(a, i);
        else if (a[i] == "--stagioni")
            o.stagioni = static_cast<int>(intero(i, 0, 200));
        else if (a[i] == "--squadre")
            o.squadre = static_cast<int>(intero(i, 2, 60));
        else if (a[i] == "--seme")
            o.seme = static_cast<std::uint64_t>(intero(i, 0, 1L << 62));
        else if (a[i] == "--in-corso")
            o.ultimaIncompleta = true;
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (cartella.empty()) throw ErroreUso{"manca --cartella"};
    const auto id = CercaCampionato(campionato);
    if (!id) throw ErroreUso{"campionato sconosciuto: " + campionato};
    // Written as the program writes it: locked, whole or not at all.
    BloccoCartella blocco;
    ApriCartellaScrittura(cartella, blocco, false);

    auto dati = std::make_unique<DatiGlobali>();
    CCampionato& c = dati->campionato(*id);
    o.squadre = std::min(o.squadre, c.numeroSquadreMax());
    if (GeneraStagioni(c, o) != 0) throw ErroreUso{"opzioni non adatte al campionato"};
    // A complete working folder: the configuration archive and the other
    // files too, every record at its new values.
    MessaggiSilenziosi messaggi;
    if (!SalvaDati(*dati, cartella, messaggi)) {
        std::fprintf(stderr, "veltra-cli: impossibile scrivere in %s\n", cartella.c_str());
        return kEsitoCaricamento;
    }
    std::printf("%s: %d stagioni, %d incontri in %s\n", std::string(c.descrizione().nome).c_str(),
                c.config.numeroStagioni(), c.numeroIncontri(), cartella.c_str());
    return kEsitoOk;
}

} // namespace veltra::cli
