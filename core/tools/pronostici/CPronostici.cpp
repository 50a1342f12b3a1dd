#include "tools/pronostici/CPronostici.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace veltra {

namespace {

std::string Formatta(const char* formato, double a) {
    char buf[64];
    std::snprintf(buf, sizeof buf, formato, a);
    return buf;
}

} // namespace

void CPronostici::ApplicaMinimo(float p[3]) {
    for (int i = 0; i < 3; ++i) {
        if (p[i] > 0.0f) continue;
        const float cedere = (std::fabs(p[i]) + 1.0f) / 2.0f;
        p[i] = 1.0f;
        for (int j = 0; j < 3; ++j)
            if (j != i) p[j] -= cedere;
    }
}

void CPronostici::Svuota() {
    nomeCasa_.clear();
    nomeTrasferta_.clear();
    for (auto& t : testi_) t.clear();
    stampaAbilitata_ = false;
}

bool CPronostici::Aggiorna(bool datiCambiati, IMessaggi& messaggi) {
    const int id = dati_.campionatoCorrente;
    CCampionato& c = dati_.campionato(id);
    const bool riuscito = AggiornaModelloScelto(dati_, id);
    // The engine needs matches of the current season; the rating model
    // starts from the seasons before: offered rather than a dead end.
    // Refused, the window goes on with the engine as it always has.
    if (OffrireModelloRating(dati_, id, riuscito) &&
        messaggi.Mostra(kOffertaModelloRating, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si) {
        c.modello = ModelloStime::Rating;
        dati_.datiModificati = 1;
        // The coupon, the bets and the status bar follow the new model.
        dati_.notifiche.Pubblica({Cambiamento::Analisi, id, true});
        if (!AggiornaModelloScelto(dati_, id)) {
            messaggi.Errore(kStimePronosticiImpossibili, kAiutoStimeFallite);
            return false;
        }
    } else if (!riuscito) {
        messaggi.Errore(kStimePronosticiImpossibili, kAiutoStimeFallite);
        return false;
    }
    testoModello_ = TestoModelloInUso(ModelloInUso(dati_, id));
    if (campionato_ == dati_.campionatoCorrente && !datiCambiati) {
        CambiaSelezione(casa_, trasferta_, messaggi);
        return true;
    }
    campionato_ = dati_.campionatoCorrente;
    titolo_ = "VELTRA - " + std::string(c.descrizione().nome) + ". Pronostici";
    casa_ = trasferta_ = -1;
    squadre_ = c.squadreCorrenti().nomi;
    Svuota();
    return true;
}

void CPronostici::CambiaSelezione(int casa, int trasferta, IMessaggi& messaggi) {
    const int n = static_cast<int>(squadre_.size());
    casa_ = casa >= 0 && casa < n ? casa : -1;
    trasferta_ = trasferta >= 0 && trasferta < n ? trasferta : -1;
    if (casa_ == -1 || trasferta_ == -1 || casa_ == trasferta_) {
        Svuota();
        return;
    }
    const CCampionato& c = dati_.campionato(campionato_);
    const auto s = StimaModelloScelto(c, casa_, trasferta_);
    if (!s) {
        messaggi.Errore(kProbabilitaPronosticiImpossibili, kAiutoStimeFallite);
        Svuota();
        casa_ = trasferta_ = -1;
        return;
    }
    float p[3] = {(*s)[0] * 100.0f, (*s)[1] * 100.0f, (*s)[2] * 100.0f};
    ApplicaMinimo(p);
    for (int i = 0; i < 3; ++i) testi_[i] = Formatta("%.1f%%", static_cast<double>(p[i]));
    nomeCasa_ = squadre_[static_cast<std::size_t>(casa_)];
    nomeTrasferta_ = squadre_[static_cast<std::size_t>(trasferta_)];
    stampaAbilitata_ = true;
}

void CPronostici::Stampa(IMessaggi& messaggi, IServizioStampa& servizio,
                         const IOrologio& orologio) {
    if (!stampaAbilitata_) return;
    if (messaggi.Mostra("Prepara la stampante e poi premi 'OK'", Icona::Informazione,
                        Pulsanti::OkAnnulla) != Risposta::Ok)
        return;
    auto d = servizio.ScegliDispositivo();
    CCampionato& c = dati_.campionato(campionato_);
    const std::string nome(c.descrizione().nome);
    if (!d || !d->InizioDocumento("VELTRA - " + nome + ". Stima di probabilita'")) return;
    if (!d->InizioPagina()) {
        d->Annulla();
        return;
    }
    const std::tm oggi = orologio.Adesso();
    char data[32];
    std::strftime(data, sizeof data, "(%d/%m/%Y)", &oggi);
    d->Testo(0, 0, "VELTRA - " + nome + ". Stima di Probabilita'. " + data);
    d->Testo(832, 160, "1");
    d->Testo(1132, 160, "X");
    d->Testo(1432, 160, "2");
    d->Testo(0, 220, nomeCasa_);
    d->Testo(400, 220, nomeTrasferta_);
    for (int i = 0; i < 3; ++i) d->Testo(800 + 300 * i, 220, testi_[i]);
    if (c.modello == ModelloStime::Rating || !c.motore) {
        d->Testo(0, 340, TestoModelloInUso(c.modello));
        if (!d->FinePagina()) {
            d->Annulla();
            return;
        }
        d->FineDocumento();
        return;
    }
    const CMotoreStime& m = *c.motore;
    char riga[256];
    std::snprintf(riga, sizeof riga,
                  "Precisione Stime  : %.1f%% ('1' = %.1f%% - 'X' = %.1f%% - '2' = %.1f%%)",
                  static_cast<double>(m.precisioneMedia() * 100.0f),
                  static_cast<double>(m.precisione1() * 100.0f),
                  static_cast<double>(m.precisioneX() * 100.0f),
                  static_cast<double>(m.precisione2() * 100.0f));
    d->Testo(0, 340, riga);
    const auto usati = c.motore->PercentualeDatiUsati();
    d->Testo(0, 400, Formatta("Utilizzo Base Dati: %.1f%%", static_cast<double>(usati.value_or(0))));
    if (!d->FinePagina()) {
        d->Annulla();
        return;
    }
    d->FineDocumento();
}

std::string CPronostici::Dettaglio() const {
    if (casa_ < 0 || trasferta_ < 0 || casa_ == trasferta_ || campionato_ < 0) return {};
    const CCampionato& c = dati_.campionato(campionato_);
    if (c.modello == ModelloStime::Rating)
        return "Modello rating: forze di attacco e difesa stimate dai punteggi delle ultime stagioni "
               "(le piu' recenti pesano di piu').";
    if (!c.motore) return {};
    const CMotoreStime& m = *c.motore;
    const auto& w = c.config.percentualiImportanza;
    char buf[160];
    std::snprintf(buf, sizeof buf, "P1=%d, P2=%d, P3=%d, P4=%d, P5=%d\n", w[0], w[1], w[2], w[3],
                  w[4]);
    std::string t = buf;
    float totaleCasa = 0, totaleTrasferta = 0;
    for (int g = 0; g < m.giornate(); ++g) {
        const float vc = m.ValoreStorico(casa_, false, g);
        const float vt = m.ValoreStorico(trasferta_, true, g);
        const float peso = m.peso(g);
        if (vc == kSlotVuoto) {
            std::snprintf(buf, sizeof buf, "G=%d, C=- ", g + 1);
        } else {
            std::snprintf(buf, sizeof buf, "G=%d, C=%.2f (%.2f) ", g + 1, static_cast<double>(vc),
                          static_cast<double>(vc * peso));
            totaleCasa += vc * peso;
        }
        t += buf;
        if (vt == kSlotVuoto) {
            t += "T=-\n";
        } else {
            std::snprintf(buf, sizeof buf, "T=%.2f (%.2f)\n", static_cast<double>(vt),
                          static_cast<double>(vt * peso));
            t += buf;
            totaleTrasferta += vt * peso;
        }
    }
    std::snprintf(buf, sizeof buf, "C=%.2f, T=%.2f", static_cast<double>(totaleCasa / 100.0f),
                  static_cast<double>(totaleTrasferta / 100.0f));
    return t + buf;
}

} // namespace veltra
