// Fuzz target for the service's replies as the program reads them: the first
// byte picks the reader (marker, news, a results file of the update, the
// proposed analysis, the POST body the service reads) and the championship.
// Every reader must end in a value or a clean refusal; what one accepts must
// hold only values the program could have made itself.
#include "net/AnalisiRete.h"
#include "net/FileAggiornamento.h"
#include "net/Internet.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < 1) return 0;
    const int scelta = dati[0] % 5;
    const CampionatoId c = (dati[0] / 5) % kNumeroCampionati;
    const std::string_view testo(reinterpret_cast<const char*>(dati + 1), n - 1);
    switch (scelta) {
    case 0:
        (void)MarcatoreValido(testo);
        (void)LeggiUrl(testo);
        break;
    case 1:
        if (const auto news = LeggiNews(testo)) (void)TestoNews(*news);
        break;
    case 2: {
        // Two seasons of four and six teams.
        const std::vector<ElencoSquadre> stagioni = {ElencoSquadre{{"A", "B", "C", "D"}},
                                                      ElencoSquadre{{"A", "B", "C", "D", "E", "F"}}};
        ElencoIncontri incontri;
        if (VerificaFileAggiornamento(c, testo, stagioni, incontri)) {
            if (incontri.numeroSeparatori() != 2) std::abort();
            for (const auto& i : incontri)
                if (!i.separatore() && (i.casa < 0 || i.casa >= 6 || i.trasferta < 0 || i.trasferta >= 6))
                    std::abort();
        }
        break;
    }
    case 3: {
        const RispostaAnalisi r = LeggiRispostaAnalisi(testo, c, 20);
        if (r.tipo == RispostaAnalisi::Analisi) {
            if (r.proposta.campionato != c || !VerificaAnalisi(r.proposta, 20).empty()) std::abort();
            // What the program accepts, the service writes back the same way.
            const RispostaAnalisi di_nuovo = LeggiRispostaAnalisi(TestoProposta(r.proposta, r.titolo), c, 20);
            if (di_nuovo.tipo != RispostaAnalisi::Analisi ||
                !di_nuovo.proposta.analisi.StessiParametri(r.proposta.analisi))
                std::abort();
        }
        break;
    }
    default: {
        std::string perche;
        if (const auto letto = LeggiCorpoInvio(testo, &perche))
            for (const auto& a : letto->analisi)
                if (!VerificaAnalisi(a, 0).empty()) std::abort();
        break;
    }
    }
    return 0;
}
