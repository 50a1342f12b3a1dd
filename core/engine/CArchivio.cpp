#include "engine/CArchivio.h"

#include "app/Archivio.h"
#include "app/DatiGlobali.h"
#include "engine/CMotoreStime.h"
#include "platform/Messaggi.h"

#include <cstdio>

namespace veltra {

namespace {
// The smallest analysis on file: ten int16, two empty strings, 120 bytes.
constexpr std::size_t kMinimoAnalisi = 20 + 2 + 120;
} // namespace

void CArchivio::Serializza(Archivio& ar) {
    std::int32_t n = numero();
    ar.conteggio(n, kMinimoAnalisi);
    if (ar.inLettura()) {
        std::vector<CAnalisi> lette(static_cast<std::size_t>(n));
        for (auto& a : lette) a.Serializza(ar);
        analisi = std::move(lette);
        corrente = analisi.empty() ? -1 : 0;
        return;
    }
    for (auto& a : analisi) a.Serializza(ar);
}

int CercaAnalisi(const CArchivio& archivio, const CAnalisi& a) {
    for (int i = 0; i < archivio.numero(); ++i)
        if (archivio.analisi[static_cast<std::size_t>(i)].Equivalente(a)) return i + 1;
    return 0;
}

int CercaAnalisiCorrente(const CCampionato& c, float datiUsati) {
    if (!c.motore) return 0;
    CAnalisi a = AnalisiCorrente(c);
    a.precisione1 = c.motore->precisione1();
    a.precisioneX = c.motore->precisioneX();
    a.precisione2 = c.motore->precisione2();
    a.datiUsati = datiUsati;
    return CercaAnalisi(c.archivio, a);
}

int InserisciAnalisi(CArchivio& archivio, CAnalisi a, const std::string& titolo,
                     IMessaggi* messaggi) {
    if (const int gia = CercaAnalisi(archivio, a); gia != 0) {
        if (messaggi) {
            char buf[256];
            std::snprintf(buf, sizeof buf,
                          "ATTENZIONE.\nL'Analisi che si vuole inserire e' gia' presente "
                          "nell'Archivio alla posizione numero %d.\nNon viene quindi inserita "
                          "nuovamente.",
                          gia);
            messaggi->Mostra(buf, Icona::Informazione);
        }
        return 0;
    }
    a.titolo = titolo;
    int dove = archivio.corrente;
    if (dove < 0 || dove > archivio.numero()) dove = 0;
    archivio.analisi.insert(archivio.analisi.begin() + dove, std::move(a));
    archivio.corrente = dove;
    return 1;
}

void EliminaAnalisi(CArchivio& archivio) {
    const int i = archivio.corrente;
    if (i < 0 || i >= archivio.numero()) return;
    archivio.analisi.erase(archivio.analisi.begin() + i);
    if (archivio.analisi.empty())
        archivio.corrente = -1;
    else if (archivio.corrente >= archivio.numero())
        archivio.corrente = archivio.numero() - 1;
}

const CAnalisi* LeggiAnalisi(const CArchivio& archivio, int indice) {
    if (indice < 0 || indice >= archivio.numero()) return nullptr;
    return &archivio.analisi[static_cast<std::size_t>(indice)];
}

void ValutaAnalisi(CCampionato& c, CAnalisi& a) {
    if (!c.motore) c.CreaMotore();
    ApplicaAnalisi(c, a);
    // The fit may fail; the analysis then keeps the figures the engine holds.
    c.motore->AggiornaStime();
    a.precisione1 = c.motore->precisione1();
    a.precisioneX = c.motore->precisioneX();
    a.precisione2 = c.motore->precisione2();
    a.datiUsati = c.motore->PercentualeDatiUsati().value_or(0.0f);
}

bool RicalcolaArchivio(DatiGlobali& dati, int c, IMessaggi& messaggi, bool verificaCorrente) {
    CCampionato& camp = dati.campionato(c);
    if (!camp.motore) camp.CreaMotore();
    const CAnalisi corrente = AnalisiCorrente(camp);
    for (auto& a : camp.archivio.analisi) ValutaAnalisi(camp, a);
    ApplicaAnalisi(camp, corrente);
    camp.motore->PreparaMotore();
    camp.motore->CalcolaGriglie();
    if (!verificaCorrente) return true;

    CCampionato& attuale = dati.campionato(dati.campionatoCorrente);
    if (!attuale.motore) attuale.CreaMotore();
    if (attuale.motore->CalcolaRegressione() == 0) return true;
    messaggi.Errore("Impossibile calcolare le stime.\nIl File dei dati potrebbe essere corrotto.\n"
                    "Verra' ora compiuto un tentativo per azzerare i dati errati",
                    kAiutoStimeFallite);
    if (attuale.motore->RipristinaParametri() == 0) return true;
    messaggi.Errore("Tentativo fallito.\nPer ovviare all'errore contatta l'autore del programma.",
                    kAiutoStimeFallite);
    return false;
}

} // namespace veltra
