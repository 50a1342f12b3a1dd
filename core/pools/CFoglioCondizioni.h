#pragma once
// The rules of the property sheet "MARVEN - Condizioni": its five pages of
// conditions, the filter columns with the bookkeeping of their groups, the
// probability scale, the apply button that counts the conditioned system,
// and OK / Cancel against the copy saved at opening.
#include "pools/CCondizionamenti.h"
#include "pools/EnumeratoreCondizionato.h"

#include <array>
#include <functional>
#include <string>

namespace veltra {

struct DatiCampionati;
struct Schedina;
struct ContestoSistema;
class IEsecutoreLavori;

inline constexpr const char* kTitoloCondizioni = "MARVEN - Condizioni";
// The signs a filter column's row may hold, as its drop-downs offer them.
inline constexpr std::array<const char*, 8> kVociFiltro = {"-", "1", "X", "2", "1X", "X2", "12", "1X2"};

// The sentence under a min/max pair of filter columns in a group, or of
// groups (`gruppi`): h minimum, l maximum, n how many there are.
std::string FraseVincolo(int h, int l, int n, bool gruppi);

class CFoglioCondizioni {
public:
    CFoglioCondizioni(DatiCampionati& dati, Schedina& schedina, CCondizionamenti& condizioni);

    // Every page: the coupon, the sizes, "Condizionato Ridotto :".
    struct RigaCoupon {
        std::string casa, trasferta, pronostico;
    };
    std::array<RigaCoupon, 14> righe() const;
    std::string testoIntegrale() const;
    std::string testoCondizionato() const; // the count, or "-"
    bool condizionatoRidotto() const { return c_.condizionatoRidotto != 0; }
    void ImpostaCondizionatoRidotto(bool si);
    bool applicaAbilitato() const { return applica_; }
    const CondizioniRiduzione& condizioni() const { return c_; }

    // "Min/Max Segni" and "Consecutivita' Segni": segno 0 '1', 1 'X', 2 '2'.
    void AttivaSegni(bool si);
    void ImpostaSegni(int segno, bool massimo, int valore);
    void AttivaConsecutivi(bool si);
    void ImpostaConsecutivi(int segno, bool massimo, int valore);

    // "Colonne Filtro": the column shown (-1: none).
    int colonnaMostrata() const { return mostrata_; }
    int numeroColonne() const { return c_.numColonneFiltro; }
    const CColonnaFiltro* colonna() const;
    bool creaAbilitato() const { return c_.numColonneFiltro < kMaxColonneFiltro; }
    bool precedenteAbilitato() const { return mostrata_ > 0; }
    bool successivaAbilitato() const { return mostrata_ >= 0 && mostrata_ + 1 < c_.numColonneFiltro; }
    void Crea();
    void Elimina();
    void Precedente();
    void Successiva();
    // One drop-down changed: the 14 texts of the shown column are stored.
    bool ImpostaVoce(int riga, const std::string& testo);
    void ImpostaGruppoColonna(char gruppo);
    void ImpostaPunteggio(bool massimo, int valore);
    void AttivaColonna(bool si);

    // "Raggruppamento Colonne Filtro".
    int gruppo() const { return gruppo_; }
    void SelezionaGruppo(int g);
    int colonneNelGruppo() const;
    void ImpostaLimiteGruppo(bool massimo, int valore);
    int gruppiNonVuoti() const;
    void ImpostaLimiteGruppi(bool massimo, int valore);
    std::string fraseGruppo() const;
    std::string fraseGruppi() const;

    // "Min/Max Prob.": the scale from the full system's lowest and highest
    // column probability, computed by a job when the page opens.
    void CalcolaLimiti(IEsecutoreLavori& esecutore, std::function<void(bool)> fine);
    void ImpostaLimiti(const LimitiProbabilita& l);
    bool limitiNoti() const { return limitiNoti_; }
    void AttivaProbabilita(bool si);
    int k1() const { return k1_; }
    int k2() const { return k2_; }
    void ImpostaK(bool massimo, int k);
    std::string testoProbMin() const;
    std::string testoProbMax() const;
    std::string testoScartatiCrescenti() const;
    std::string testoScartatiDecrescenti() const;
    std::string spiegazione() const;

    // The apply button: counts (or builds and reduces) the conditioned system.
    void Applica(ContestoSistema& ctx, std::function<void()> fine);
    // OK: true when the conditions changed (datiModificati set): the system
    // window then selects the conditioned system and refreshes.
    bool Ok();
    // Cancel: the saved conditions and the system held at opening come back.
    void Annulla();

private:
    void Cambiato(bool alteraRisultato);
    void TogliDalGruppo(int g);
    void Coppia(std::int16_t& mn, std::int16_t& mx, bool massimo, int valore, bool attivo);
    double Larghezza() const { return pAlta_ - pBassa_; }

    DatiCampionati& dati_;
    Schedina& s_;
    CCondizionamenti& c_;
    CondizioniRiduzione salvate_;
    SistemaRidotto sistemaSalvato_;
    bool applica_ = false;
    int mostrata_ = -1;
    int gruppo_ = 0;
    bool limitiNoti_ = false;
    double pBassa_ = 0.0, pAlta_ = 0.0;
    int k1_ = 0, k2_ = 100;
};

} // namespace veltra
