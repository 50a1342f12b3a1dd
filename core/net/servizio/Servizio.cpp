#include "net/servizio/Servizio.h"

#include "dati/FileAtomico.h"
#include "net/AnalisiRete.h"
#include "net/FileAggiornamento.h"
#include "platform/Piattaforma.h"

#include <cstdio>

namespace veltra {
namespace fs = std::filesystem;

namespace {

// The precision the proposed analysis of a championship declared.
fs::path FileMigliore(const fs::path& cartella, CampionatoId c) {
    return cartella / kCartellaRicevute / ("migliore" + std::string(Campionato(c).codice) + ".txt");
}

double PrecisioneDichiarata(const AnalisiCampionato& a) {
    return (static_cast<double>(a.analisi.precisione1) + a.analisi.precisioneX +
            a.analisi.precisione2) / 3.0;
}

} // namespace

bool NomeSemplice(std::string_view nome) {
    if (nome.empty() || nome.size() > 100 || nome.front() == '.') return false;
    for (char c : nome)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '.' || c == '-' || c == '_'))
            return false;
    return true;
}

Servizio::Servizio(fs::path cartella, const IOrologio& orologio)
    : cartella_(std::move(cartella)), orologio_(orologio) {}

RispostaServizio Servizio::Gestisci(std::string_view metodo, std::string_view percorso,
                                    std::string_view corpo) {
    const auto domanda = percorso.find('?');
    if (domanda != std::string_view::npos) percorso = percorso.substr(0, domanda);
    if (metodo == "GET" || metodo == "HEAD") {
        for (const char* sotto : {kCartellaSquadre, kCartellaAggiornamenti}) {
            const std::string prefisso = "/" + std::string(sotto) + "/";
            if (percorso.substr(0, prefisso.size()) == prefisso)
                return File(sotto, percorso.substr(prefisso.size()));
        }
        return {404, "File non trovato\n"};
    }
    if (metodo == "POST" && percorso == kPercorsoInvio) return Invio(corpo);
    return {405, "Richiesta non ammessa\n"};
}

RispostaServizio Servizio::File(std::string_view sottocartella, std::string_view nome) const {
    if (!NomeSemplice(nome)) return {404, "File non trovato\n"};
    const auto letto = LeggiFileControllato(cartella_ / sottocartella / nome, 16u << 20);
    if (!letto.testo) return {404, "File non trovato\n"};
    return {200, *letto.testo};
}

RispostaServizio Servizio::Invio(std::string_view corpo) {
    if (corpo.size() > kMaxCorpoInvio) return {413, "Analisi non accettate: invio troppo grande\n"};
    std::string perche;
    const auto letto = LeggiCorpoInvio(corpo, &perche);
    if (!letto) return {422, "Analisi non accettate: " + perche + "\n"};

    std::lock_guard<std::mutex> blocco(scrittura_);
    std::error_code ec;
    fs::create_directories(cartella_ / kCartellaRicevute, ec);
    fs::create_directories(cartella_ / kCartellaSquadre, ec);
    const std::tm ora = orologio_.Adesso();
    char data[32], titoloData[32];
    std::strftime(data, sizeof data, "%Y%m%d-%H%M%S", &ora);
    std::strftime(titoloData, sizeof titoloData, "%d/%m/%Y", &ora);
    std::string autore = letto->autore.empty() ? "Anonimo" : letto->autore;

    std::string risposta = "Analisi ricevute: " + std::to_string(letto->analisi.size()) + "\n";
    int k = 0;
    for (const auto& a : letto->analisi) {
        ++k;
        const std::string nome = std::string(data) + "-" + std::to_string(++progressivo_) + "-" +
                                 std::string(Campionato(a.campionato).codice) + ".txt";
        const std::string contenuto = "autore " + autore + "\n" + RigaProvaLocale(a);
        if (!ScriviFileAtomico(cartella_ / kCartellaRicevute / nome, contenuto))
            return {500, "Impossibile conservare le analisi ricevute\n"};
        risposta += "Analisi n. " + std::to_string(k) + " (" + std::string(Campionato(a.campionato).nome) +
                    "): accettata";
        // The proposed analysis changes when this one declares a better fit.
        const fs::path migliore = FileMigliore(cartella_, a.campionato);
        const auto precedente = LeggiFileControllato(migliore, 1024);
        double rmPrecedente = -1;
        if (precedente.testo) std::sscanf(precedente.testo->c_str(), "%lf", &rmPrecedente);
        const double rm = PrecisioneDichiarata(a);
        if (rm > rmPrecedente) {
            char testoRm[64];
            std::snprintf(testoRm, sizeof testoRm, "%f\n", rm);
            SalvataggioAtomico s;
            if (s.Prepara(cartella_ / kCartellaSquadre / NomeFileRicezione(a.campionato),
                          TestoProposta(a, autore + "_" + titoloData)) &&
                s.Conferma())
                ScriviFileAtomico(migliore, testoRm);
            risposta += ", ora proposta come migliore";
        }
        risposta += "\n";
    }
    return {200, risposta};
}

} // namespace veltra
