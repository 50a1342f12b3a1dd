#include "Pubblica.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "dati/Testo1252.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutazioneArchivio.h"
#include "net/AnalisiRete.h"
#include "net/FileAggiornamento.h"
#include "net/servizio/Servizio.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "quote/TabellePubblicate.h"

#include <cstdio>
#include <memory>

namespace veltra::servizio {
namespace fs = std::filesystem;

namespace {

class MessaggiErrore : public IMessaggi {
public:
    Risposta Mostra(const std::string& testo, Icona, Pulsanti p, int) override {
        std::string riga = testo;
        for (char& c : riga)
            if (c == '\n') c = ' ';
        std::fprintf(stderr, "veltra-servizio: %s\n", riga.c_str());
        return p == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
    }
};

} // namespace

int Pubblica(const fs::path& da, const fs::path& cartella, const std::string& fileNews,
             const std::string& sitoPagine) {
    MessaggiErrore messaggi;
    if (const EsitoFile e = ApriCartellaInLettura(da); !e) {
        std::fprintf(stderr, "veltra-servizio: %s (%s)\n", e.messaggio.c_str(), e.dettaglio.c_str());
        return 1;
    }
    auto dati = std::make_unique<DatiGlobali>();
    EsitoFile esito;
    if (!CaricaAvvio(*dati, da, messaggi, &esito)) return 1;

    std::error_code ec;
    for (const char* sotto : {kCartellaAggiornamenti, kCartellaSquadre})
        fs::create_directories(cartella / sotto, ec);
    if (!fs::is_directory(cartella / kCartellaAggiornamenti, ec)) {
        std::fprintf(stderr, "veltra-servizio: impossibile creare %s\n", cartella.c_str());
        return 1;
    }

    const std::tm oggi = OrologioDiSistema().Adesso();
    char data[16];
    std::strftime(data, sizeof data, "%d/%m/%Y", &oggi);
    std::string news = std::string(data) + kSeparatoreNews;
    if (!fileNews.empty()) {
        std::string perche;
        const auto testo = LeggiFile(fileNews, &perche);
        if (!testo) {
            std::fprintf(stderr, "veltra-servizio: %s: %s\n", fileNews.c_str(), perche.c_str());
            return 1;
        }
        // One item per line.
        std::string voce;
        for (char c : A1252(*testo) + "\n") {
            if (c == '\n') {
                if (!voce.empty() && voce.back() == '\r') voce.pop_back();
                if (!voce.empty()) news += voce + kSeparatoreNews;
                voce.clear();
            } else
                voce += c;
        }
    } else {
        news += std::string("Risultati aggiornati al ") + data + ".";
    }

    // The update folder in one transaction.
    SalvataggioAtomico aggiornamenti;
    bool ok = true;
    for (int c = 0; c < kNumeroCampionati && ok; ++c) {
        const CCampionato& camp = dati->campionato(c);
        ok = aggiornamenti.Prepara(cartella / kCartellaAggiornamenti / NomeFileAggiornamento(c),
                                   ScriviTestoIncontri(camp.incontri));
        // The teams too: the service evaluates the analyses it receives on these data.
        ok = ok && aggiornamenti.Prepara(cartella / kCartellaAggiornamenti / NomeFileSquadrePubblicate(c),
                                         ScriviTestoSquadre(camp.config));
        // The goals and dates beside the results; a scores file that could
        // not be read is not published (an old copy neither).
        const fs::path reti = cartella / kCartellaAggiornamenti / NomeFileRetiAggiornamento(c);
        if (camp.retiNonLette.empty())
            ok = ok && aggiornamenti.Prepara(reti, ScriviTestoReti(camp.reti, camp.incontri));
        else {
            std::fprintf(stderr, "veltra-servizio: reti non pubblicate: %s\n", camp.retiNonLette.c_str());
            fs::remove(reti, ec);
        }
    }
    ok = ok && aggiornamenti.Prepara(cartella / kCartellaAggiornamenti / kFileNews, news);
    ok = ok && aggiornamenti.Prepara(cartella / kCartellaAggiornamenti / kFileMarcatore,
                                     std::string(data) + "\n");
    if (!ok || !aggiornamenti.Conferma()) {
        std::fprintf(stderr, "veltra-servizio: impossibile scrivere in %s\n",
                     (cartella / kCartellaAggiornamenti).c_str());
        return 1;
    }

    // The proposed analyses: each championship's current one.
    int proposte = 0;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = dati->campionato(c);
        AnalisiCampionato a{c, AnalisiCorrente(camp)};
        std::string testo;
        if (camp.config.numeroStagioni() > 0) {
            ValutaAnalisi(camp, a.analisi);
            if (VerificaAnalisi(a, camp.config.numeroStagioni()).empty() &&
                camp.motore->parametriValidi()) {
                testo = TestoProposta(a, std::string("VELTRA_") + data);
                ++proposte;
            }
        }
        if (testo.empty()) testo = "-1 Nessuna analisi disponibile per questo campionato.\n";
        if (!ScriviFileAtomico(cartella / kCartellaSquadre / NomeFileRicezione(c), testo)) {
            std::fprintf(stderr, "veltra-servizio: impossibile scrivere %s\n",
                         NomeFileRicezione(c).c_str());
            return 1;
        }
    }
    // The bookmakers' name tables, in one transaction.
    SalvataggioAtomico tabelle;
    bool scritte = true;
    for (const FileTabella& t : TabelleDaDati(*dati, sitoPagine))
        scritte = scritte && tabelle.Prepara(cartella / kCartellaSquadre / t.nome, t.testo);
    if (!scritte || !tabelle.Conferma()) {
        std::fprintf(stderr, "veltra-servizio: impossibile scrivere le tabelle dei nomi in %s\n",
                     (cartella / kCartellaSquadre).c_str());
        return 1;
    }
    std::printf("pubblicati %d campionati, %d analisi proposte, aggiornamento del %s in %s\n",
                kNumeroCampionati, proposte, data, cartella.c_str());
    return 0;
}

} // namespace veltra::servizio
