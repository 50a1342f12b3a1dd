// veltra-cli tara-rating: chooses the rating model's parameters of each
// championship on the seasons given (walking forward, lowest RPS) and prints
// the table the program is built with (resources/parametri-rating.txt).
#include "Comandi.h"

#include "app/DatiGlobali.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "engine/ImpostaParametro.h"
#include "tools/qualita/TaraturaRating.h"
#include "tools/qualita/ValutazioneStime.h"
#include "tools/stagioni/EtichettaStagione.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace veltra::cli {

namespace {

int Anno(const std::string& v) {
    int anno = 0;
    for (std::size_t i = 0; i < 4 && i < v.size(); ++i) {
        if (v[i] < '0' || v[i] > '9') throw ErroreUso{"stagione non valida: " + v};
        anno = anno * 10 + (v[i] - '0');
    }
    if (v.size() < 4 || (v.size() > 4 && v[4] != '-' && v[4] != '/'))
        throw ErroreUso{"stagione non valida: " + v};
    return anno;
}

} // namespace

int ComandoTaraRating(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string campionato, dal, al, scrivi;
    int giri = 1;
    std::vector<GrigliaTaratura> griglia;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--campionato")
            campionato = ValoreOpzione(a, i);
        else if (a[i] == "--dal")
            dal = ValoreOpzione(a, i);
        else if (a[i] == "--al")
            al = ValoreOpzione(a, i);
        else if (a[i] == "--scrivi")
            scrivi = ValoreOpzione(a, i);
        else if (a[i] == "--giri") {
            const auto n = LeggiIntero(ValoreOpzione(a, i));
            if (!n || *n < 1 || *n > 5) throw ErroreUso{"--giri va da 1 a 5"};
            giri = static_cast<int>(*n);
        } else if (a[i] == "--prova") {
            const std::string v = ValoreOpzione(a, i);
            const auto uguale = v.find('=');
            if (uguale == std::string::npos) throw ErroreUso{"--prova vuole NOME=V1/V2/...: " + v};
            GrigliaTaratura g{v.substr(0, uguale), Dividi(v.substr(uguale + 1), '/')};
            ParametriRating p;
            for (const auto& x : g.valori)
                if (auto e = ImpostaParametroRating(p, g.nome, x)) throw ErroreUso{*e};
            griglia.push_back(std::move(g));
        } else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (campionato.empty()) throw ErroreUso{"manca --campionato"};
    if (dal.empty() || al.empty()) throw ErroreUso{"servono --dal STAGIONE e --al STAGIONE"};
    std::vector<CampionatoId> scelti;
    if (campionato == "tutti") {
        for (int c = 0; c < kNumeroCampionati; ++c) scelti.push_back(c);
    } else {
        for (const auto& x : Dividi(campionato, ',')) {
            const auto id = CercaCampionato(x);
            if (!id) throw ErroreUso{"campionato sconosciuto: " + x};
            scelti.push_back(*id);
        }
    }
    const int annoDal = Anno(dal), annoAl = Anno(al);
    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (EsitoFile e = CaricaCampionato(dati->campionato(c), cartella); !e) {
            std::fprintf(stderr, "veltra-cli: %s (%s)\n", e.messaggio.c_str(), e.dettaglio.c_str());
            return kEsitoCaricamento;
        }

    std::string tabella =
        "# Parametri del modello rating per campionato (\"*\" = tutti quelli non indicati).\n"
        "# Scritto da veltra-cli tara-rating --dal " + dal + " --al " + al +
        " (resources/tara-rating.sh):\n# scelti camminando in avanti su quelle stagioni soltanto.\n"
        "* " + TestoParametriRating(ParametriRating{}) + "\n";
    for (int campo : scelti) {
        CCampionato& c = dati->campionato(campo);
        const int primo = c.descrizione().annoPrimaStagione;
        const int s1 = std::max(1, annoDal - primo + 1);
        const int s2 = std::min(annoAl - primo + 1, c.config.numeroStagioni());
        if (s1 > s2 || s1 - 1 >= c.incontri.numeroSeparatori() || c.reti.vuoto()) continue;
        const std::string codice(c.descrizione().codice);
        auto copia = CopiaPerValutazione(c);
        std::unique_ptr<CCampionato> inferiore;
        if (DivisioneInferiore(campo) >= 0)
            inferiore = CopiaPerValutazione(dati->campionato(DivisioneInferiore(campo)));
        const auto g = griglia.empty() ? GrigliaTaraturaPredefinita(inferiore != nullptr) : griglia;
        ParametriRating migliori;
        try {
            migliori = TaraParametri(
                ParametriRating{}, g, giri,
                [&](const ParametriRating& p) {
                    return RpsFuoriCampioneRating(*copia, inferiore.get(), s1, s2, p);
                },
                [&](const ProvaTaratura& t) {
                    std::printf("prova campionato=%s %s%s%s rps=%.6f%s\n", codice.c_str(), t.nome.c_str(),
                                t.valore.empty() ? "" : "=", t.valore.c_str(), t.punteggio,
                                t.migliore ? " migliore" : "");
                    std::fflush(stdout);
                });
        } catch (const std::invalid_argument& e) {
            throw ErroreUso{e.what()};
        }
        const std::string riga = codice + " " + TestoParametriRating(migliori);
        std::printf("parametri %s\n", riga.c_str());
        tabella += riga + "\n";
    }
    if (!scrivi.empty() && !ScriviFileAtomico(scrivi, tabella)) {
        std::fprintf(stderr, "veltra-cli: %s: impossibile scrivere il file\n", scrivi.c_str());
        return kEsitoCaricamento;
    }
    return kEsitoOk;
}

} // namespace veltra::cli
