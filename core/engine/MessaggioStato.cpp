#include "engine/MessaggioStato.h"

#include "engine/ValutazioneArchivio.h"

#include "dati/CArchivio.h"
#include "engine/CMotoreStime.h"

#include <cstdio>

namespace veltra {

std::string FormattaMessaggioStato(std::string_view nome, const CMotoreStime& m,
                                   std::optional<float> datiUsati, int campionatiInclusi) {
    char buf[512];
    const std::string n(nome);
    std::snprintf(buf, sizeof buf,
                  "%s. Precisione Analisi Corrente: %.1f%% ('1' = %.1f%% - 'X' = %.1f%% - '2' = "
                  "%.1f%%) - Dati Usati: %.1f%% su %d campionati",
                  n.c_str(), static_cast<double>(m.precisioneMedia() * 100.0f),
                  static_cast<double>(m.precisione1() * 100.0f),
                  static_cast<double>(m.precisioneX() * 100.0f),
                  static_cast<double>(m.precisione2() * 100.0f),
                  static_cast<double>(datiUsati.value_or(0.0f)), campionatiInclusi);
    return buf;
}

std::string TestoAnalisiArchivio(int numeroAnalisi) {
    if (numeroAnalisi <= 0) return "Analisi non presente in Archivio";
    char buf[64];
    std::snprintf(buf, sizeof buf, "Analisi n. %d dell'Archivio", numeroAnalisi);
    return buf;
}

TestiStato MessaggioStatoDopoStime(CCampionato& c, std::string_view nome) {
    TestiStato t;
    t.ok = true;
    const auto datiUsati = c.motore->PercentualeDatiUsati();
    t.pannello1 = FormattaMessaggioStato(nome.empty() ? c.descrizione().nome : nome, *c.motore,
                                         datiUsati, c.punteggiAvanzati.campionatiInclusi);
    t.pannello2 = TestoAnalisiArchivio(CercaAnalisiCorrente(c, datiUsati.value_or(0.0f)));
    return t;
}

TestiStato TestiStimeImpossibili(const CCampionato& c) {
    const bool pochi = c.motore && c.motore->IncontriInsufficienti();
    return TestiStato{false, pochi ? kStimePochiIncontri : kStimeImpossibili, " "};
}

TestiStato AggiornaMessaggioStato(CCampionato& c) {
    if (!c.motore) CreaMotore(c);
    if (c.motore->AggiornaStime() != 0) return TestiStimeImpossibili(c);
    return MessaggioStatoDopoStime(c);
}

} // namespace veltra
