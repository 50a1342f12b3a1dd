#pragma once
// The advanced parameters dialog: points per match, table-position
// modifications, strength thresholds, score limits and the seasons of an
// analysis. Opened by the current analysis window on its working analysis,
// for editing (every change is applied to the championship at once, so the
// user sees the precision of each setting) or read-only on an archived one.
#include "dati/CAnalisi.h"
#include "engine/MessaggioStato.h"

#include <string>

namespace veltra {

struct DatiCampionati;

class CDlgImpostazioneParametri;

class CDlgParametriAvanzati {
public:
    static constexpr int kRisorsa = 184;
    enum Controllo {
        kTestoInclusi = 1493,
        kIntervalloStagioni = 1494,
        kTestoImportanzaMin = 1488,
        kTestoImportanzaMax = 1489,
        kPrecisione = 1029,
        kInsieme = 1738,
        kAllinea = 1837,
    };
    // The spins. 0..17 are the entries of punti (even home, odd away).
    enum Campo {
        kModificaAltaCasa = 18,
        kModificaBassaCasa,
        kModificaAltaTrasferta,
        kModificaBassaTrasferta,
        kForteCasa,
        kDeboleCasa,
        kForteTrasferta,
        kDeboleTrasferta,
        kLimiteMinCasa,
        kLimiteMaxCasa,
        kLimiteMinTrasferta,
        kLimiteMaxTrasferta,
        kInclusi,
        kImportanza, // importanzaMax in percent; importanzaMin is 200% less it
        kNumeroCampi,
    };
    struct Intervallo {
        double minimo, massimo, passo;
        int decimali;
    };

    // `analisi`: the window's working analysis (editing) or the shown
    // archived one (`solaLettura`).
    CDlgParametriAvanzati(CDlgImpostazioneParametri& finestra, const CAnalisi& analisi,
                          bool solaLettura);
    // Read-only, for the windows that only show an analysis of `campionato`
    // (the search pages, the copy between championships).
    CDlgParametriAvanzati(const DatiCampionati& dati, int campionato, const CAnalisi& analisi);

    // "VELTRA - %s. Parametri Avanzati"
    std::string Titolo() const;
    bool solaLettura() const { return solaLettura_; }
    const CAnalisi& analisi() const { return analisi_; }

    Intervallo IntervalloDi(int campo) const;
    double Valore(int campo) const;
    // The spin's text: "%+.2f" points and modifications, "%+.0f" thresholds,
    // "%+d" limits, "%d" seasons, "%.0f%%" importance.
    std::string Testo(int campo) const;
    // A spin changed: the value is kept within its range and step, then the
    // rules of the dialog follow and the analysis is applied. Nothing
    // happens in read-only mode.
    void Imposta(int campo, double valore);

    // Checkbox 1738: a points change also goes to the other side.
    void ImpostaInsieme(bool insieme) { insieme_ = insieme; }
    bool insieme() const { return insieme_; }

    // Texts 1488/1489 ("%.0f%%"), 1494 (the seasons included).
    std::string TestoImportanzaMin() const;
    std::string TestoImportanzaMax() const;
    std::string TestoIntervalloStagioni() const;

    const std::string& testoPrecisione() const { return testoPrecisione_; }
    bool okAbilitato() const { return solaLettura_ || ok_; }
    bool allineaAbilitato() const;

    // "&Allinea": the window takes this analysis as working and aligned one.
    void Allinea();
    // OK: the window keeps this analysis (editing) and applies it again.
    void Ok();
    // "&Cancella": the window applies its own analysis again.
    void Annulla();

    // A left click at (x, y) of the client area: the text of the hidden
    // diagnostic for the top-left squares, empty elsewhere.
    std::string Diagnostica(int x, int y) const;

    static std::string Suggerimento(int campo);

private:
    void Applica();
    // After a points change: false (and the reason shown) when a side's
    // points are all alike.
    bool DopoPunti(bool casa, bool trasferta);
    void Mostra(const std::string& testo, bool ok, const TestiStato& stato);
    float& Campo(int campo);

    CDlgImpostazioneParametri* finestra_; // null when only showing
    const DatiCampionati& dati_;
    int campionato_;
    CAnalisi analisi_;
    CAnalisi applicata_; // what the championship holds: the last analysis fitted
    bool solaLettura_;
    bool insieme_ = false;
    bool ok_ = false;
    std::string testoPrecisione_;
};

inline constexpr const char* kLimitiNonValidiAvanzati = "Limiti dei Punteggi Totali non validi";
inline constexpr const char* kRestringereLimitiAvanzati =
    "Restringere i Limiti dei Punteggi Totali";
inline constexpr const char* kDifferenziareCasa =
    "E' necessario differenziare i punteggi per squadre in casa";
inline constexpr const char* kDifferenziareTrasferta =
    "E' necessario differenziare i punteggi per squadre in trasferta";

} // namespace veltra
