#include "dati/CAnalisi.h"

#include "dati/Archivio.h"
#include "dati/Campionato.h"

#include <cstring>

namespace veltra {

void CAnalisi::Serializza(Archivio& ar) {
    ar.campo(giornateAnalisi);
    ar.campi(percentualiImportanza);
    ar.campo(limiteMinCasa);
    ar.campo(limiteMaxCasa);
    ar.campo(limiteMinTrasferta);
    ar.campo(limiteMaxTrasferta);
    ar.stringa(titolo);
    ar.stringa(descrizione);
    punteggiAvanzati.Serializza(ar);
}

namespace {
bool BitUguali(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }
} // namespace

bool CAnalisi::StessiParametri(const CAnalisi& b) const {
    return giornateAnalisi == b.giornateAnalisi &&
           std::memcmp(percentualiImportanza, b.percentualiImportanza,
                       sizeof percentualiImportanza) == 0 &&
           limiteMinCasa == b.limiteMinCasa && limiteMaxCasa == b.limiteMaxCasa &&
           limiteMinTrasferta == b.limiteMinTrasferta &&
           limiteMaxTrasferta == b.limiteMaxTrasferta && punteggiAvanzati == b.punteggiAvanzati;
}

bool CAnalisi::Equivalente(const CAnalisi& b) const {
    return StessiParametri(b) && BitUguali(precisione1, b.precisione1) &&
           BitUguali(precisioneX, b.precisioneX) && BitUguali(precisione2, b.precisione2) &&
           BitUguali(datiUsati, b.datiUsati);
}

bool operator==(const CAnalisi& a, const CAnalisi& b) {
    return a.Equivalente(b) && a.titolo == b.titolo && a.descrizione == b.descrizione;
}

CAnalisi AnalisiCorrente(const CCampionato& c) {
    CAnalisi a;
    a.giornateAnalisi = c.config.giornateAnalisi;
    std::memcpy(a.percentualiImportanza, c.config.percentualiImportanza,
                sizeof a.percentualiImportanza);
    a.limiteMinCasa = c.limiteMinCasa;
    a.limiteMaxCasa = c.limiteMaxCasa;
    a.limiteMinTrasferta = c.limiteMinTrasferta;
    a.limiteMaxTrasferta = c.limiteMaxTrasferta;
    a.punteggiAvanzati = c.punteggiAvanzati;
    return a;
}

void ApplicaAnalisi(CCampionato& c, const CAnalisi& a) {
    c.config.giornateAnalisi = a.giornateAnalisi;
    std::memcpy(c.config.percentualiImportanza, a.percentualiImportanza,
                sizeof a.percentualiImportanza);
    c.limiteMinCasa = a.limiteMinCasa;
    c.limiteMaxCasa = a.limiteMaxCasa;
    c.limiteMinTrasferta = a.limiteMinTrasferta;
    c.limiteMaxTrasferta = a.limiteMaxTrasferta;
    c.punteggiAvanzati = a.punteggiAvanzati;
}

std::string TitoloAnalisi(const std::tm& ora) {
    char buf[64];
    std::strftime(buf, sizeof buf, "%d/%m/%Y - %H : %M : %S", &ora);
    return buf;
}

} // namespace veltra
