// veltra-riduzioni: generates the reduction tables shipped in resources/riduzioni.
//
//   veltra-riduzioni --uscita DIR [--thread N] [--passi N] [--seme N] [--correzione]
//   veltra-riduzioni --solo-correzione DIR   only the error-correcting tables (seconds)
//   veltra-riduzioni --rapporto DIR          report on the N-1 tables already in DIR
//   veltra-riduzioni --verifica DIR          checks every table in DIR as the program will
//                                            read it (the build's folder, or an installation)
//
// The output depends only on --passi and --seme, never on the thread count or the clock.

#include "Generatore.h"
#include "Rapporto.h"

#include "pools/riduzioni/LeggiTabellaRiduzione.h"
#include "pools/riduzioni/ScriviTabellaRiduzione.h"
#include "pools/riduzioni/TabelleCorrezione.h"
#include "pools/riduzioni/VerificaCartella.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace veltra::riduzioni;

namespace {

constexpr const char* kFileNote = "dimensioni-note.tsv";

int Uso() {
    std::fprintf(stderr, "uso: veltra-riduzioni --uscita DIR [--thread N] [--passi N] "
                         "[--seme N] [--correzione]\n"
                         "     veltra-riduzioni --solo-correzione DIR\n"
                         "     veltra-riduzioni --rapporto DIR [--note FILE]\n"
                         "     veltra-riduzioni --verifica DIR\n");
    return 2;
}

bool Scrivi(const std::filesystem::path& file, const TabellaRiduzione& tabella) {
    const std::string errore = ScriviTabellaRiduzione(file, tabella);
    if (errore.empty()) return true;
    std::fprintf(stderr, "%s\n", errore.c_str());
    return false;
}

bool ScriviCorrezioneErrori(const std::filesystem::path& cartella) {
    const EsitoTabelleCorrezione esito = ScriviTabelleCorrezione(cartella, kMaxRigheVariabili);
    if (!esito.errore.empty()) {
        std::fprintf(stderr, "%s\n", esito.errore.c_str());
        return false;
    }
    std::printf("tabelle a correzione di errori: %llu file, %llu byte\n",
                static_cast<unsigned long long>(esito.file),
                static_cast<unsigned long long>(esito.byte));
    return true;
}

int Rapporto(const std::filesystem::path& cartella, const std::filesystem::path& note) {
    uint64_t dimensioni[15][15] = {};
    for (int n = 1; n <= kMaxRigheVariabili; ++n)
        for (int t = 0; t <= n; ++t) {
            const LetturaTabella l = LeggiTabellaRiduzione(cartella, t, n - t);
            if (!l.ok()) {
                std::fprintf(stderr, "%s: %s\n", NomeTabellaRiduzione(t, n - t).c_str(),
                             l.dettaglio.c_str());
                continue;
            }
            dimensioni[t][n - t] = static_cast<uint64_t>(l.tabella.numColonne);
        }
    StampaRapporto(stdout, dimensioni, LeggiDimensioniNote(note));
    return 0;
}

// Every table of the folder checked; 0 when all is right.
int Verifica(const std::filesystem::path& cartella) {
    const EsitoVerificaCartella esito = VerificaCartella(cartella, kMaxRigheVariabili);
    for (const std::string& d : esito.difetti)
        std::fprintf(stderr, "%s\n", d.c_str());
    std::printf("verificate %llu tabelle N-1 e %llu a correzione di errori: %zu difetti\n",
                static_cast<unsigned long long>(esito.tabelleN1),
                static_cast<unsigned long long>(esito.tabelleCorrezione), esito.difetti.size());
    return esito.difetti.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::filesystem::path uscita;
    std::filesystem::path rapporto;
    std::filesystem::path soloCorrezione;
    std::filesystem::path note;
    std::filesystem::path verifica;
    ParametriRiduzione parametri;
    int thread = 2;
    bool correzione = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool valore = i + 1 < argc;
        if (arg == "--uscita" && valore)
            uscita = argv[++i];
        else if (arg == "--rapporto" && valore)
            rapporto = argv[++i];
        else if (arg == "--solo-correzione" && valore)
            soloCorrezione = argv[++i];
        else if (arg == "--verifica" && valore)
            verifica = argv[++i];
        else if (arg == "--note" && valore)
            note = argv[++i];
        else if (arg == "--thread" && valore)
            thread = std::atoi(argv[++i]);
        else if (arg == "--passi" && valore)
            parametri.passiPerProva = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--seme" && valore)
            parametri.seme = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--correzione")
            correzione = true;
        else
            return Uso();
    }
    if (!verifica.empty()) return Verifica(verifica);
    if (!rapporto.empty()) return Rapporto(rapporto, note.empty() ? rapporto / kFileNote : note);
    if (!soloCorrezione.empty()) {
        std::filesystem::create_directories(soloCorrezione);
        return ScriviCorrezioneErrori(soloCorrezione) ? 0 : 1;
    }
    if (uscita.empty()) return Uso();
    std::filesystem::create_directories(uscita);

    const auto inizio = std::chrono::steady_clock::now();
    Generatore generatore(parametri, thread);
    generatore.Esegui(true);

    uint64_t dimensioni[15][15] = {};
    for (int n = 1; n <= kMaxRigheVariabili; ++n)
        for (int t = 0; t <= n; ++t) {
            const Riduzione& r = generatore.Migliore(t, n - t);
            // A table that failed its own check is a bug of the generator: write nothing.
            if (!CoperturaCompleta(r.codice)) {
                std::fprintf(stderr, "%dt%dd: copertura incompleta (%s)\n", t, n - t,
                             r.origine.c_str());
                return 1;
            }
            if (!Scrivi(uscita / NomeTabellaRiduzione(t, n - t),
                        TabellaDaIndici(r.codice.spazio(), r.codice.parole)))
                return 1;
            dimensioni[t][n - t] = r.codice.size();
            std::printf("%2dt%2dd %8zu  %s\n", t, n - t, r.codice.size(), r.origine.c_str());
        }
    if (correzione && !ScriviCorrezioneErrori(uscita)) return 1;

    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    StampaRapporto(stdout, dimensioni,
                   LeggiDimensioniNote(note.empty() ? uscita / kFileNote : note));
    std::printf("tempo: %.1f s con %d thread, %llu passi per prova, seme %llu\n", secondi, thread,
                static_cast<unsigned long long>(parametri.passiPerProva),
                static_cast<unsigned long long>(parametri.seme));
    return 0;
}
