#pragma once
// "MARVEN - Sistema Ridotto": the columns of the coupon's reduced system
// page by page (one page is one paper slip of 4 or 8 columns), and the
// dictation of the current page.
#include "pools/Dettatura.h"

#include <array>
#include <string>
#include <vector>

namespace veltra {

struct DatiCampionati;
struct Schedina;

inline constexpr const char* kTitoloSistemaRidotto = "MARVEN - Sistema Ridotto";

// Pages of `totale` columns, `perPagina` each; p is 1-based.
struct PaginazioneSistema {
    int totale = -1;
    int perPagina = 4;
    int pagina = 1;

    int pagine() const;
    // Column index of column c of the current page, -1 beyond the system.
    int Indice(int c) const;
    bool avanti() const { return pagina < pagine(); }
    bool indietro() const { return pagina > 1; }

    // First page of the coupon's reduced system, with its columns per page.
    void Inizia(const Schedina& schedina);
    // The sign codes of the current page, [column][row].
    std::vector<ColonnaDettata> Colonne(const Schedina& schedina) const;
};

class CDlgSistemaRidotto {
public:
    CDlgSistemaRidotto(DatiCampionati& dati, Schedina& schedina);

    // Once the system is built (or could not be): fills page 1.
    void Riempi();

    std::string casa(int riga) const;
    std::string trasferta(int riga) const;
    // "Colonne Totali :": the size, or "-----".
    std::string testoTotale() const;
    std::string testoPagina() const; // "Schedina numero :"
    // The chances of 14, 13 or more and 12 or more of the whole system under
    // the coupon's probabilities ("" when they cannot be computed).
    const std::string& testoProbabilita() const { return probabilita_; }
    int colonnePerPagina() const { return p_.perPagina; }
    // Text of row r, column c of the current page ("" beyond the system).
    std::string Cella(int riga, int c) const;
    bool avantiAbilitato() const { return p_.avanti(); }
    bool indietroAbilitato() const { return p_.indietro(); }
    int pagina() const { return p_.pagina; }
    int pagine() const { return p_.pagine(); }

    void Avanti();
    void Indietro();
    // The 4/8 choice: stored in the coupon (datiModificati when it changes),
    // then page 1.
    void ImpostaColonnePerPagina(int k);

    // The columns of the current page as the dictation reads them.
    // Starting it stores the 4/8 choice in the coupon.
    std::vector<ColonnaDettata> ColonnePagina();
    bool ColonnePaginaVuota() const { return celle_.empty(); }
    // The dictation ended: after a whole page the next one is shown (when
    // there is one). true when the page changed.
    bool DettaturaFinita(FineDettatura f);

private:
    void Memorizza(int k);
    DatiCampionati& dati_;
    Schedina& s_;
    PaginazioneSistema p_;
    // Sign codes of the current page, [column][row].
    std::vector<ColonnaDettata> celle_;
    std::string probabilita_;
    void Carica();
};

} // namespace veltra
