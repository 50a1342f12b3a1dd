#include "pools/Partita.h"

#include "app/Archivio.h"
#include "app/Campionati.h"
#include "app/Testo1252.h"

namespace veltra {

namespace {

// Cut to `massimo` characters of the files' code page.
std::string Tagliato(const std::string& s, std::size_t massimo) {
    if (Lunghezza1252(s) <= massimo) return s;
    return Da1252(A1252(s).substr(0, massimo));
}

void StringaFissa(Archivio& ar, std::string& s, std::size_t massimo) {
    if (ar.inScrittura()) {
        std::string t = Tagliato(s, massimo);
        ar.stringa(t);
    } else {
        ar.stringa(s);
        s = Tagliato(s, massimo);
    }
}

} // namespace

void Partita::Serializza(Archivio& ar) {
    ar.campo(campionato);
    if (ar.inLettura() && (campionato < -1 || campionato >= kNumeroCampionati))
        throw ErroreArchivio("partita: campionato non valido");
    StringaFissa(ar, squadraCasa, kLunghezzaNome);
    StringaFissa(ar, squadraTrasferta, kLunghezzaNome);
    ar.campo(prob1);
    ar.campo(probX);
    ar.campo(prob2);
    for (auto& s : segni) {
        ar.campo(s);
        if (ar.inLettura() && (s < -1 || s > 2)) throw ErroreArchivio("partita: segno non valido");
    }
    StringaFissa(ar, pronosticoAuto, kLunghezzaPronostico);
    StringaFissa(ar, pronosticoManuale, kLunghezzaPronostico);
    // The form letters came with data version 'l' (108).
    if (ar.versione() > 107) {
        for (std::size_t i = 0; i < formaCasa.size(); ++i) {
            ar.campo(formaCasa[i]);
            ar.campo(formaTrasferta[i]);
        }
    } else if (ar.inLettura()) {
        formaCasa.fill('-');
        formaTrasferta.fill('-');
    }
}

} // namespace veltra
