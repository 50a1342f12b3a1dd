#include "tools/ricerche/RicercaArchivi.h"

#include "dati/Campionato.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutazioneArchivio.h"
#include "platform/Piattaforma.h"
#include "tools/ricerche/RicercaAvanzata.h"
#include "tools/ricerche/RicercaPercentuali.h"

#include <algorithm>
#include <cstdio>

namespace veltra {

namespace {

std::string Formato(const char* f, auto... v) {
    char b[512];
    std::snprintf(b, sizeof b, f, v...);
    return b;
}

} // namespace

bool MiglioraAnalisi(CCampionato& c, const CAnalisi& analisi, int ampiezzaPesi, int thread,
                     const ContestoLavoro& contesto, const std::function<void(bool)>& fase) {
    ApplicaAnalisi(c, analisi);
    for (bool primo = true;; primo = false) {
        if (c.motore->AggiornaStime() != 0) return !primo;
        float l = c.motore->precisioneMedia();
        const auto usati = c.motore->PercentualeDatiUsati();
        // No accepted change may use less of the data than the analysis itself.
        ImpostazioniRicercaAvanzata imp;
        imp.utilizzoMinimo = static_cast<int>(usati ? *usati : 0.0f);
        imp.thread = thread;
        if (fase) fase(false);
        const auto climb = CercaAvanzata(c, imp, ListaAvanzataIniziale(), contesto);
        if (!climb.completata) return false;
        ApplicaParametriAvanzati(c, climb.migliore);
        if (climb.migliorata) l = climb.precisione;
        if (!climb.migliorata && !primo) return true;
        if (fase) fase(true);
        ImpostazioniRicercaPercentuali pesi;
        pesi.passo = 1;
        pesi.ampiezza = ampiezzaPesi;
        pesi.thread = thread;
        const auto e = CercaPercentuali(c, pesi, ListaPercentualiIniziale(l), contesto);
        if (!e.completata) return false;
        if (e.trovate[0].percentuali[0] == 0) return true;
        std::copy(e.trovate[0].percentuali.begin(), e.trovate[0].percentuali.end(),
                  c.config.percentualiImportanza);
    }
}

EsitoRicercaArchivi MiglioraArchivi(std::vector<ArchivioDaMigliorare> archivi, int ampiezzaPesi,
                                    int thread, const IOrologio& orologio,
                                    const ContestoLavoro& contesto,
                                    const std::function<void(const StatoRicercaArchivi&)>& stato) {
    EsitoRicercaArchivi esito;
    for (auto& a : archivi) {
        CCampionato& c = *a.copia;
        const CAnalisi correnteDelCampionato = AnalisiCorrente(c);
        for (int k = 1; k <= a.archivio.numero(); ++k) {
            if (contesto.FermoRichiesto()) break;
            const CAnalisi riferimento = a.archivio.analisi[static_cast<std::size_t>(k - 1)];
            StatoRicercaArchivi s{a.nome, k, a.archivio.numero(), false, esito.log};
            if (stato) stato(s);
            const bool ok = MiglioraAnalisi(c, riferimento, ampiezzaPesi, thread, contesto, [&](bool pesi) {
                s.pesi = pesi;
                if (stato) stato(s);
            });
            if (!ok) continue;
            CAnalisi nuova = AnalisiCorrente(c);
            bool nuoviPesi = nuova.giornateAnalisi != riferimento.giornateAnalisi;
            for (int i = 0; i < 5; ++i)
                nuoviPesi = nuoviPesi || nuova.percentualiImportanza[i] != riferimento.percentualiImportanza[i];
            const bool nuoviAvanzati =
                !(nuova.punteggiAvanzati == riferimento.punteggiAvanzati) ||
                nuova.limiteMinCasa != riferimento.limiteMinCasa ||
                nuova.limiteMaxCasa != riferimento.limiteMaxCasa ||
                nuova.limiteMinTrasferta != riferimento.limiteMinTrasferta ||
                nuova.limiteMaxTrasferta != riferimento.limiteMaxTrasferta;
            if (!nuoviPesi && !nuoviAvanzati) continue;
            ValutaAnalisi(c, nuova);
            esito.log += Formato("\r\r\nAnalisi n. %d del campionato di %s\r\r\n", k, a.nome.c_str());
            if (nuoviPesi) esito.log += "   Nuovi Pesi delle Giornate d'Analisi\r\r\n";
            if (nuoviAvanzati) esito.log += "   Nuovi Parametri Avanzati\r\r\n";
            if (const int uguale = CercaAnalisi(a.archivio, nuova); uguale >= 1) {
                esito.log += Formato("   Attenzione: e' diventata uguale all'analisi n. %d\r\r\n   "
                                     "Non viene quindi modificata.\r\r\n",
                                     uguale);
                continue;
            }
            const std::string titolo = TitoloAnalisi(orologio.Adesso());
            const std::string testo =
                "\r\r\n======\r\r\nAnalisi calcolata automaticamente dall'Analisi:\r\r\n" +
                riferimento.titolo + "\r\r\n" + riferimento.descrizione + "\r\r\n======\r\r\n";
            a.archivio.corrente = k - 1;
            if (InserisciAnalisi(a.archivio, nuova, titolo, nullptr) == 1) {
                CAnalisi& inserita = a.archivio.analisi[static_cast<std::size_t>(k - 1)];
                inserita.titolo = titolo;
                inserita.descrizione = testo;
                a.archivio.corrente = k; // the old analysis, moved one place down
                EliminaAnalisi(a.archivio);
            } else {
                esito.log += Formato("   ATTENZIONE: e' diventata uguale all'analisi n. %d\r\r\n   "
                                     "Non viene quindi modificata.\r\r\n",
                                     CercaAnalisi(a.archivio, nuova));
            }
        }
        a.archivio.corrente = a.archivio.numero() > 0 ? 0 : -1;
        ApplicaAnalisi(c, correnteDelCampionato);
        if (contesto.FermoRichiesto()) break;
    }
    esito.completata = !contesto.FermoRichiesto();
    esito.archivi = std::move(archivi);
    return esito;
}

} // namespace veltra
