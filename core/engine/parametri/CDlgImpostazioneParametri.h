#pragma once
// The current analysis window (modeless): the user tunes N, the importance
// percentages and home/away separation of the current championship and sees
// the precision follow every change, and keeps analyses in a copy of the
// championship's archive. Nothing reaches the stored archive before OK (or a
// confirmed change of championship); the parameters reach the championship
// at once, and Cancel puts back those it had at opening.
#include "dati/CArchivio.h"
#include "engine/MessaggioStato.h"

#include <functional>
#include <optional>
#include <string>

namespace veltra {

struct DatiCampionati;
class FinestreNonModali;
class IMessaggi;
class IOrologio;

class CDlgImpostazioneParametri {
public:
    static constexpr int kRisorsa = 146;
    enum Controllo {
        kGiornate = 1081,
        kTestoGiornate = 1082,
        kSepara = 1725,
        kAvanzati = 1420,
        kPrecisione = 1029,
        kNumeroAnalisi = 1221,
        kPrecedente = 1230,
        kSuccessiva = 1231,
        kArchivioGiornate = 1222,
        kArchivioPercentuali = 1223,
        kArchivioSepara = 1224,
        kArchivioPrecisione = 1030,
        kArchivioDatiUsati = 1031,
        kTitolo = 1523,
        kInserisci = 1204,
        kRecupera = 1205,
        kElimina = 1206,
        kNote = 1498,
        kConfronta = 1207,
        kAvanzatiArchivio = 1421,
        kAllinea = 1837,
    };
    // Sliders and texts of the five percentages, most recent match first.
    static constexpr int kPercentuale[5] = {1061, 1064, 1067, 1073, 1076};
    static constexpr int kTestoPercentuale[5] = {1062, 1065, 1068, 1074, 1077};

    // Loads the current championship's analysis and archive and applies it.
    CDlgImpostazioneParametri(DatiCampionati& dati, FinestreNonModali& finestre, IMessaggi& messaggi,
                              const IOrologio& orologio);

    // Receives the two status-bar texts after every recomputation.
    std::function<void(const TestiStato&)> mostraStato;

    // "VELTRA - %s. Impostazione Parametri"
    std::string Titolo() const;
    int campionato() const { return campionato_; }

    // --- the current analysis
    const CAnalisi& corrente() const { return corrente_; }
    const CAnalisi& allineata() const { return allineata_; }
    const CAnalisi& apertura() const { return apertura_; }
    // Slider 1081: N from 1 to 5; percentages to 100 (0 beyond N), then the
    // limits and thresholds are kept within the reachable totals.
    void CambiaGiornate(int giornate);
    // Sliders 1061...: see RipartisciPercentuali.
    void CambiaPercentuale(int indice, int valore);
    bool percentualeAbilitata(int indice) const { return indice < corrente_.giornateAnalisi; }
    // "%hd%%"
    std::string TestoPercentuale(int indice) const;
    // Checkbox 1725. Clearing it remembers the away values and copies the
    // home ones onto them; setting it again gives the remembered ones back.
    void CambiaSepara(bool separa);
    // The advanced parameters dialog closed with OK: its analysis becomes the
    // working one. Either way the working analysis is applied again.
    void ImpostaAnalisi(const CAnalisi& a);
    void Riapplica() { Applica(); }

    // Text 1029 and the enabling that follows a recomputation.
    const std::string& testoPrecisione() const { return testoPrecisione_; }
    bool okAbilitato() const { return ok_; }
    bool inserisciAbilitato() const { return ok_; }
    bool allineaAbilitato() const { return ok_ && !corrente_.StessiParametri(allineata_); }
    const TestiStato& testiStato() const { return testiStato_; }

    // --- the archive copy
    const CArchivio& archivio() const { return archivio_; }
    const CAnalisi* mostrata() const { return LeggiAnalisi(archivio_, archivio_.corrente); }
    void Precedente();
    void Successiva();
    bool precedenteAbilitato() const { return archivio_.corrente > 0; }
    bool successivaAbilitato() const {
        return archivio_.corrente >= 0 && archivio_.corrente + 1 < archivio_.numero();
    }
    // "%d DI %d"; the fields of the shown analysis, "-" when the archive is empty.
    std::string TestoNumeroAnalisi() const;
    std::string TestoArchivio(int controllo) const;
    // "&Inserisci": the current analysis, titled with the time of now.
    void Inserisci();
    // "&Recupera": the shown analysis becomes the current one.
    void Recupera();
    // "&Elimina", after the user's confirmation.
    void Elimina();
    // Dialog 208 closed with OK.
    void ImpostaNote(const std::string& titolo, const std::string& descrizione);
    bool archivioAbilitato() const { return mostrata() != nullptr; }
    // "&Confronta": the current analysis beside the shown archived one.
    bool confrontaAbilitato() const { return mostrata() != nullptr; }

    // --- alignment, closing, refresh
    // "&Allinea": the other windows follow the current analysis.
    void Allinea();
    // The advanced parameters dialog aligned its analysis: it becomes the
    // working and aligned one.
    void AllineaDa(const CAnalisi& a);
    // Stores the archive copy when changed, aligns when needed; the window closes.
    void Ok();
    // Puts the opening analysis back, aligns when needed, drops the archive copy.
    void Annulla();
    // The program is about to end with the window open: unconfirmed changes
    // (analysis or archive) are asked about as a change of championship
    // does. Yes confirms them (Ok), No drops them (Annulla); Cancel returns
    // false and the program keeps running.
    bool ConfermaPrimaDiUscire();
    // Refresh by the shell. A change of championship asks whether to keep
    // the unconfirmed changes made on the previous one, then reloads; the
    // same championship after new data re-evaluates the archive copy.
    bool Aggiorna(bool datiCambiati);

    // The advanced parameters dialog shows its own recomputations here too.
    void MostraEsito(const std::string& testoPrecisione, bool ok, const TestiStato& stato);

    static const char* Suggerimento(int controllo);

    DatiCampionati& dati() { return dati_; }
    FinestreNonModali& finestre() { return finestre_; }
    IMessaggi& messaggi() { return messaggi_; }

private:
    // "<prima>, desideri confermare le modifiche compiute ... del campionato di ...?"
    std::string DomandaModifiche(const char* prima) const;
    // The away values that clearing "separate home and away" overwrites.
    struct ValoriTrasferta {
        std::int16_t limiteMin, limiteMax;
        float forte, debole, modificaAlta, modificaBassa;
        float punti[9];
    };

    void Carica();
    void Applica();
    void RivalutaArchivio();
    void AllineaSeServe(const CAnalisi& nuova, bool inRinfresco);
    CCampionato& camp();

    DatiCampionati& dati_;
    FinestreNonModali& finestre_;
    IMessaggi& messaggi_;
    const IOrologio& orologio_;
    int campionato_ = 0;
    CAnalisi apertura_, allineata_, corrente_;
    // What the championship holds: the last analysis that could be fitted.
    CAnalisi applicata_;
    CArchivio archivio_;
    std::optional<ValoriTrasferta> trasfertaRicordata_;
    std::string testoPrecisione_;
    TestiStato testiStato_;
    bool ok_ = false;
};

inline constexpr const char* kLimitiNonValidiParametri =
    "Limiti dei Punteggi Totali non validi. (Parametri Avanzati)";
inline constexpr const char* kRestringereLimitiParametri =
    "Restringere i Limiti dei Punteggi Totali. (Parametri Avanzati)";

} // namespace veltra
