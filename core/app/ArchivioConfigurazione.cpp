#include "app/ArchivioConfigurazione.h"

#include "dati/Archivio.h"
#include "app/DatiGlobali.h"
#include "dati/FileAtomico.h"

#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

// Items 2 to 12 of the archive, in order, for either direction. Strategies
// are inside only in files older than 'm'.
void SerializzaVoci(Archivio& ar, DatiGlobali& d) {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = d.campionato(c);
        if (ar.inLettura()) {
            camp.config.giornateAnalisi = 2;
            const std::int16_t predefinite[5] = {100, 100, 0, 0, 0};
            std::copy(predefinite, predefinite + 5, camp.config.percentualiImportanza);
        }
        camp.config.Serializza(ar);
        ar.campo(camp.limiteMinCasa);
        ar.campo(camp.limiteMaxCasa);
        ar.campo(camp.limiteMinTrasferta);
        ar.campo(camp.limiteMaxTrasferta);
    }
    d.schedina.Serializza(ar);
    d.condizionamenti.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) d.campionato(c).punteggiAvanzati.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CArchivio& a = d.campionato(c).archivio;
        a.campionato = static_cast<std::int16_t>(c);
        a.Serializza(ar);
    }
    d.stampa.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) d.campionato(c).ricerca.Serializza(ar);
    d.scommesse.Serializza(ar);
    if (ar.versione() < 'm') d.strategie.Serializza(ar);
}

// After the last item of version 'p', fields added since: a file that ends
// before them was written without them and keeps their defaults, so older
// files read as before and the version letter stays. Each is all there or
// the file is damaged.
void SerializzaCoda(Archivio& ar, DatiGlobali& d) {
    if (ar.inLettura() && ar.restanti() == 0) {
        d.condizionamenti.metodoRiduzione = d.condizionamentiLavoro.metodoRiduzione = 0; // STANDARD
        return;
    }
    std::int32_t metodo = d.condizionamenti.metodoRiduzione;
    ar.campo(metodo);
    if (ar.inLettura()) {
        if (metodo != 0 && metodo != 1)
            throw ErroreArchivio("condizioni: metodo di riduzione non valido (" +
                                 std::to_string(metodo) + ")");
        d.condizionamenti.metodoRiduzione = metodo;
        d.condizionamentiLavoro.metodoRiduzione = metodo;
    }
}

// The parameters of an analysis within what the parameter windows and
// `veltra-cli stime --imposta` can set; nullopt when they are, else what is
// wrong. A value outside them would change every estimate without a word.
std::optional<std::string> ParametriFuoriIntervallo(std::int16_t giornate,
                                                    const std::int16_t percentuali[5],
                                                    const std::int16_t limiti[4],
                                                    const CPunteggiAvanzati& p) {
    auto fuori = [](const std::string& nome, double v, double min, double max) {
        char buf[160];
        std::snprintf(buf, sizeof buf, "%s = %g fuori dall'intervallo %g..%g", nome.c_str(), v,
                      min, max);
        return std::string(buf);
    };
    if (giornate < 1 || giornate > 5) return fuori("giornateAnalisi", giornate, 1, 5);
    for (int i = 0; i < 5; ++i)
        if (percentuali[i] < 0 || percentuali[i] > 1000)
            return fuori("percentualiImportanza[" + std::to_string(i) + "]", percentuali[i], 0,
                         1000);
    static constexpr const char* kLimiti[4] = {"limiteMinCasa", "limiteMaxCasa",
                                               "limiteMinTrasferta", "limiteMaxTrasferta"};
    for (int i = 0; i < 4; ++i)
        if (limiti[i] < -100 || limiti[i] > 100) return fuori(kLimiti[i], limiti[i], -100, 100);
    // The windows keep the points within -4..4 and the modifications within
    // -1..1; the derived totals and weights stay far inside these bounds.
    const std::pair<const char*, float> campi[] = {
        {"modificaAltaCasa", p.modificaAltaCasa},     {"modificaBassaCasa", p.modificaBassaCasa},
        {"modificaAltaTrasferta", p.modificaAltaTrasferta},
        {"modificaBassaTrasferta", p.modificaBassaTrasferta},
        {"forteCasa", p.forteCasa},                   {"forteTrasferta", p.forteTrasferta},
        {"deboleCasa", p.deboleCasa},                 {"deboleTrasferta", p.deboleTrasferta},
        {"importanzaMin", p.importanzaMin},           {"importanzaMax", p.importanzaMax}};
    for (const auto& [nome, v] : campi)
        if (!std::isfinite(v) || v < -1000.0f || v > 1000.0f) return fuori(nome, v, -1000, 1000);
    for (int i = 0; i < 18; ++i)
        if (!std::isfinite(p.punti[i]) || p.punti[i] < -100.0f || p.punti[i] > 100.0f)
            return fuori("punti[" + std::to_string(i) + "]", p.punti[i], -100, 100);
    if (p.campionatiInclusi < 1 || p.campionatiInclusi > 32767)
        return fuori("campionatiInclusi", p.campionatiInclusi, 1, 32767);
    return std::nullopt;
}

// The numbers of the coupon and of the betting events: probabilities, odds
// and equities that no window could have stored (not finite, or absurd).
std::optional<std::string> NumeriRecordFuoriIntervallo(const DatiGlobali& d) {
    auto fuori = [](const std::string& nome, double v, double min, double max) {
        char buf[160];
        std::snprintf(buf, sizeof buf, "%s = %g fuori dall'intervallo %g..%g", nome.c_str(), v,
                      min, max);
        return std::string(buf);
    };
    // A row's probabilities are -1 when it is empty; the 2 carries the bonus.
    for (std::size_t r = 0; r < d.schedina.partite.size(); ++r) {
        const Partita& p = d.schedina.partite[r];
        const std::pair<const char*, float> prob[] = {
            {"prob1", p.prob1}, {"probX", p.probX}, {"prob2", p.prob2}};
        for (const auto& [nome, v] : prob)
            if (!std::isfinite(v) || v < -1.0f || v > 2.0f)
                return "schedina, riga " + std::to_string(r + 1) + ": " + fuori(nome, v, -1, 2);
    }
    for (int e = 0; e < d.scommesse.nEventi && e < static_cast<int>(d.scommesse.eventi.size());
         ++e) {
        const Evento& ev = d.scommesse.eventi[static_cast<std::size_t>(e)];
        for (std::size_t k = 0; k < ev.quote.size(); ++k) {
            const std::string dove = "scommesse, evento " + std::to_string(e + 1) + ": ";
            if (!std::isfinite(ev.quote[k]) || ev.quote[k] < 0.0f || ev.quote[k] > 1e6f)
                return dove + fuori("quote[" + std::to_string(k) + "]", ev.quote[k], 0, 1e6);
            if (!std::isfinite(ev.prob[k]) || ev.prob[k] < 0.0f || ev.prob[k] > 1.0f)
                return dove + fuori("prob[" + std::to_string(k) + "]", ev.prob[k], 0, 1);
            if (!std::isfinite(ev.equita[k]) || ev.equita[k] < 0.0f || ev.equita[k] > 1e6f)
                return dove + fuori("equita[" + std::to_string(k) + "]", ev.equita[k], 0, 1e6);
        }
    }
    return std::nullopt;
}

// Every parameter read from the archive, current ones and archived analyses.
std::optional<std::string> ValoriFuoriIntervallo(DatiGlobali& d) {
    if (auto e = NumeriRecordFuoriIntervallo(d)) return e;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const CCampionato& camp = d.campionato(c);
        const std::string nome(camp.descrizione().nome);
        const std::int16_t limiti[4] = {camp.limiteMinCasa, camp.limiteMaxCasa,
                                        camp.limiteMinTrasferta, camp.limiteMaxTrasferta};
        if (auto e = ParametriFuoriIntervallo(camp.config.giornateAnalisi,
                                              camp.config.percentualiImportanza, limiti,
                                              camp.punteggiAvanzati))
            return nome + ": " + *e;
        for (std::size_t i = 0; i < camp.archivio.analisi.size(); ++i) {
            const CAnalisi& a = camp.archivio.analisi[i];
            const std::int16_t la[4] = {a.limiteMinCasa, a.limiteMaxCasa, a.limiteMinTrasferta,
                                        a.limiteMaxTrasferta};
            if (auto e = ParametriFuoriIntervallo(a.giornateAnalisi, a.percentualiImportanza, la,
                                                  a.punteggiAvanzati))
                return nome + ", analisi " + std::to_string(i + 1) + " dell'archivio: " + *e;
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::uint8_t> ScriviArchivioConfigurazione(DatiGlobali& d) {
    Archivio ar;
    ar.impostaVersione(kVersioneDati);
    std::uint8_t versione = kVersioneDati;
    ar.campo(versione);
    SerializzaVoci(ar, d);
    ar.stringa(d.indirizzoAggiornamenti);
    SerializzaCoda(ar, d);
    return ar.dati();
}

std::vector<std::uint8_t> ScriviArchivioStrategie(DatiGlobali& d) {
    Archivio ar;
    d.strategie.Serializza(ar);
    return ar.dati();
}

EsitoFile LeggiArchivioConfigurazione(std::span<const std::uint8_t> cfg,
                                      const std::optional<std::string>& strategie,
                                      DatiGlobali& d) {
    d.campionatoCorrente = 0;
    Archivio ar(cfg);
    try {
        std::uint8_t versione = 0;
        ar.campo(versione);
        ar.impostaVersione(versione);
        d.versioneDati = versione;
        SerializzaVoci(ar, d);
        // The working copy of the conditions starts as the stored ones.
        d.condizionamentiLavoro = d.condizionamenti;
        if (auto e = ValoriFuoriIntervallo(d))
            return EsitoFile::Errore(kMessaggioFileCorrotti,
                                     std::string(kFileConfigurazione) + ": " + *e);
    } catch (const ErroreArchivio& e) {
        return EsitoFile::Errore(kMessaggioFileCorrotti,
                                 std::string(kFileConfigurazione) + ": " + e.what() +
                                     " (byte " + std::to_string(ar.posizione()) + ")");
    }
    if (d.versioneDati >= 'm') {
        if (!strategie)
            return EsitoFile::Errore(kErroreAperturaStrategie,
                                     std::string(kFileStrategie) + ": impossibile aprire il file");
        std::vector<std::uint8_t> byte(strategie->begin(), strategie->end());
        Archivio as(byte);
        // Strategy records compare the configuration's version too.
        as.impostaVersione(d.versioneDati);
        try {
            d.strategie.Serializza(as);
        } catch (const ErroreArchivio& e) {
            return EsitoFile::Errore(kErroreLetturaStrategie,
                                     std::string(kFileStrategie) + ": " + e.what());
        }
    }
    if (d.strategie.versioneStrategie == 0 || d.strategie.versioneStrategie == 1) {
        d.strategie.versioneStrategie = 2;
        d.datiModificati = 1;
    }
    try {
        ar.stringa(d.indirizzoAggiornamenti);
        SerializzaCoda(ar, d);
    } catch (const ErroreArchivio& e) {
        return EsitoFile::Errore(kMessaggioFileCorrotti,
                                 std::string(kFileConfigurazione) + ": " + e.what());
    }
    return {};
}

EsitoFile CaricaConfigurazione(const std::filesystem::path& cartella, DatiGlobali& d) {
    std::string perche;
    const auto cfg = LeggiFile(cartella / kFileConfigurazione, &perche);
    if (!cfg)
        return EsitoFile::Errore(kMessaggioFileCorrotti,
                                 (cartella / kFileConfigurazione).string() + ": " + perche);
    const std::vector<std::uint8_t> byte(cfg->begin(), cfg->end());
    std::string percheStrategie;
    EsitoFile e = LeggiArchivioConfigurazione(
        byte, LeggiFile(cartella / kFileStrategie, &percheStrategie), d);
    if (!e && e.messaggio == kErroreAperturaStrategie)
        e.dettaglio = (cartella / kFileStrategie).string() + ": " + percheStrategie;
    return e;
}

} // namespace veltra
