#include "app/importa/FootballTxtComune.h"

#include "app/importa/TestoSorgente.h"

#include <cctype>

namespace veltra::footballtxt {

bool SoloCifre(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool Orario(std::string_view s) {
    return s.size() == 5 && (s[2] == '.' || s[2] == ':') && SoloCifre(s.substr(0, 2)) &&
           SoloCifre(s.substr(3));
}

bool LeggiEtichetta(std::string_view e, int& primo, int& ultimo) {
    const auto parti = Dividi(e, '/');
    if (parti.empty() || parti.size() > 2 || parti[0].size() != 4 || !SoloCifre(parti[0]))
        return false;
    primo = ultimo = *Intero(parti[0]);
    if (parti.size() == 2) {
        if (!SoloCifre(parti[1]) || (parti[1].size() != 2 && parti[1].size() != 4)) return false;
        ultimo = parti[1].size() == 2 ? (primo / 100) * 100 + *Intero(parti[1]) : *Intero(parti[1]);
        if (parti[1].size() == 2 && ultimo < primo) ultimo += 100; // "1999/00"
        if (ultimo != primo + 1) return false;
    }
    return true;
}

bool LeggiPunteggio(std::string_view s, int& casa, int& trasferta) {
    const auto parti = Dividi(s, '-');
    if (parti.size() != 2 || !SoloCifre(parti[0]) || !SoloCifre(parti[1]) ||
        parti[0].size() > 3 || parti[1].size() > 3)
        return false;
    casa = *Intero(parti[0]);
    trasferta = *Intero(parti[1]);
    return true;
}

bool ParolaSupplementari(std::string_view w) {
    return w == "pen." || w == "a.e.t." || w == "n.V." || w == "i.E.";
}

std::string LeggiIntestazione(std::string_view r, StagioneSorgente& stagione, int& annoFine) {
    const auto parole = Parole(r);
    int primo = 0, ultimo = 0;
    if (parole.empty() || !LeggiEtichetta(parole.back(), primo, ultimo))
        return "intestazione non valida: \"= " + std::string(r) + "\"";
    if (!stagione.etichetta.empty()) return "seconda intestazione nello stesso file";
    stagione.etichetta = std::string(parole.back());
    stagione.annoInizio = primo;
    stagione.forseContinuazione = primo == ultimo;
    annoFine = ultimo;
    return {};
}

std::string ApplicaStato(std::string_view stato, bool conPunteggio, PartitaSorgente& p) {
    if (stato == "[awarded]") {
        if (!conPunteggio) return "risultato a tavolino senza punteggio";
        p.stato = StatoPartita::Assegnata;
    } else if (stato == "[cancelled]" || stato == "[abandoned]" || stato == "[postponed]") {
        p.stato = StatoPartita::NonGiocata;
        p.programmata = false; // postponed or called off: no date to keep
        p.motivoNonGiocata = stato == "[cancelled]"   ? "annullata"
                             : stato == "[abandoned]" ? "sospesa"
                                                      : "rinviata";
    } else {
        return "stato della partita sconosciuto: " + std::string(stato);
    }
    return {};
}

} // namespace veltra::footballtxt
