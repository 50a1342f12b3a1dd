#include "dati/CArchivio.h"

#include "dati/Archivio.h"
#include "dati/Campionato.h"
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

} // namespace veltra
