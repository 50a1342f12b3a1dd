#include "betting/Evento.h"

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

void Nome(Archivio& ar, std::string& s) {
    if (ar.inScrittura()) {
        std::string t = Tagliato(s, Evento::kLunghezzaNome);
        ar.stringa(t);
    } else {
        ar.stringa(s);
        s = Tagliato(s, Evento::kLunghezzaNome);
    }
}

} // namespace

void Evento::Serializza(Archivio& ar) {
    ar.campo(numero);
    ar.campo(campionato);
    if (ar.inLettura() && (campionato < -1 || campionato >= kNumeroCampionati))
        throw ErroreArchivio("evento: campionato non valido");
    Nome(ar, casa);
    Nome(ar, trasferta);
    for (int gruppo = 0; gruppo < kVociQuota; gruppo += 3) {
        for (auto* v : {&quote, &prob, &equita})
            for (int k = gruppo; k < gruppo + 3; ++k)
                ar.campo((*v)[k]);
    }
    ar.stringa(data);
    if (ar.inLettura()) esito = '?';
}

} // namespace veltra
