#include "pools/CDlgSistemaRidotto.h"

#include "dati/DatiCampionati.h"
#include "pools/CostruzioneSistema.h"
#include "pools/ProbabilitaSistema.h"
#include "pools/SpoglioSchedina.h"

#include <algorithm>

namespace veltra {

int PaginazioneSistema::pagine() const {
    if (totale <= 0 || perPagina <= 0) return 1;
    return std::max(1, (totale + perPagina - 1) / perPagina);
}

int PaginazioneSistema::Indice(int c) const {
    const int i = (pagina - 1) * perPagina + c;
    return c >= 0 && c < perPagina && i < totale ? i : -1;
}

void PaginazioneSistema::Inizia(const Schedina& schedina) {
    totale = TotaleColonne(schedina);
    perPagina = schedina.colonnePerPagina == 8 ? 8 : 4;
    pagina = 1;
}

std::vector<ColonnaDettata> PaginazioneSistema::Colonne(const Schedina& schedina) const {
    std::vector<ColonnaDettata> colonne;
    if (totale <= 0) return colonne;
    const LettoreSistema lettore(schedina);
    for (int c = 0; c < perPagina; ++c) {
        const int i = Indice(c);
        if (i < 0) break;
        ColonnaDettata col{};
        for (int r = 0; r < kRigheSchedina; ++r)
            col[static_cast<std::size_t>(r)] = lettore.Segno(i, r);
        colonne.push_back(col);
    }
    return colonne;
}

CDlgSistemaRidotto::CDlgSistemaRidotto(DatiCampionati& dati, Schedina& schedina) : dati_(dati), s_(schedina) {}

void CDlgSistemaRidotto::Riempi() {
    p_.Inizia(s_);
    Carica();
    probabilita_.clear();
    const auto prob = ProbabilitaDi(s_);
    const auto colonne = ColonneSistema(s_);
    if (prob && !colonne.empty()) probabilita_ = "Probabilità   " + TestoChanceBreve(Probabilita(colonne, *prob));
}

void CDlgSistemaRidotto::Carica() {
    celle_ = p_.Colonne(s_);
}

std::string CDlgSistemaRidotto::casa(int riga) const { return s_.partite[static_cast<std::size_t>(riga)].squadraCasa; }
std::string CDlgSistemaRidotto::trasferta(int riga) const {
    return s_.partite[static_cast<std::size_t>(riga)].squadraTrasferta;
}

std::string CDlgSistemaRidotto::testoTotale() const {
    return p_.totale == -1 ? "-----" : std::to_string(p_.totale);
}

std::string CDlgSistemaRidotto::testoPagina() const { return std::to_string(p_.pagina); }

std::string CDlgSistemaRidotto::Cella(int riga, int c) const {
    if (c < 0 || static_cast<std::size_t>(c) >= celle_.size() || riga < 0 || riga >= kRigheSchedina) return "";
    return TestoCodice(celle_[static_cast<std::size_t>(c)][static_cast<std::size_t>(riga)]);
}

void CDlgSistemaRidotto::Avanti() {
    if (!p_.avanti()) return;
    ++p_.pagina;
    Carica();
}

void CDlgSistemaRidotto::Indietro() {
    if (!p_.indietro()) return;
    --p_.pagina;
    Carica();
}

void CDlgSistemaRidotto::Memorizza(int k) {
    if (s_.colonnePerPagina != k) {
        s_.colonnePerPagina = k;
        dati_.datiModificati = 1;
    }
}

void CDlgSistemaRidotto::ImpostaColonnePerPagina(int k) {
    k = k == 8 ? 8 : 4;
    Memorizza(k);
    p_.perPagina = k;
    p_.pagina = 1;
    Carica();
}

std::vector<ColonnaDettata> CDlgSistemaRidotto::ColonnePagina() {
    Memorizza(p_.perPagina);
    return celle_;
}

bool CDlgSistemaRidotto::DettaturaFinita(FineDettatura f) {
    if (f != FineDettatura::Completata || !p_.avanti()) return false;
    Avanti();
    return true;
}

} // namespace veltra
