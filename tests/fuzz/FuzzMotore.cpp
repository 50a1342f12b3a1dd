// Fuzz target for the championship text files and the engine behind them.
//
// The first 120 bytes are the analysis parameters, taken as they are (any
// float, NaN and infinities included, any count or limit): the configuration
// archive can carry any of them. The rest is a teams file and a results file
// separated by a byte 0xFF. When both files read, the data go into a
// championship and the engine runs on them with those parameters, with and
// without a cut-off; the files are then written back and must read again to
// the same text. Whatever the bytes: success or a clean refusal, no overrun.
#include "app/DatiGlobali.h"
#include "app/FileDati.h"
#include "engine/CMotoreStime.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

using namespace veltra;

namespace {

class Lettore {
public:
    Lettore(const std::uint8_t* dati, std::size_t n) : dati_(dati), n_(n) {}
    template <typename T> T Leggi() {
        T v{};
        const std::size_t k = std::min(sizeof(T), n_ - pos_);
        std::memcpy(&v, dati_ + pos_, k);
        pos_ += k;
        return v;
    }

private:
    const std::uint8_t* dati_;
    std::size_t n_;
    std::size_t pos_ = 0;
};

constexpr std::size_t kByteParametri = 120;

void ImpostaParametri(CCampionato& c, Lettore& l) {
    c.config.giornateAnalisi = l.Leggi<std::int16_t>();
    for (auto& p : c.config.percentualiImportanza) p = l.Leggi<std::int16_t>();
    c.limiteMinCasa = l.Leggi<std::int16_t>();
    c.limiteMaxCasa = l.Leggi<std::int16_t>();
    c.limiteMinTrasferta = l.Leggi<std::int16_t>();
    c.limiteMaxTrasferta = l.Leggi<std::int16_t>();
    auto& p = c.punteggiAvanzati;
    for (float* f : {&p.modificaAltaCasa, &p.modificaBassaCasa, &p.modificaAltaTrasferta,
                     &p.modificaBassaTrasferta, &p.forteCasa, &p.forteTrasferta, &p.deboleCasa,
                     &p.deboleTrasferta, &p.importanzaMin, &p.importanzaMax})
        *f = l.Leggi<float>();
    // The points are small whole or half numbers in practice; bytes as
    // eighths keep most inputs meaningful while allowing any sign.
    for (float& f : p.punti) f = static_cast<float>(l.Leggi<std::int8_t>()) / 8.0f;
    p.campionatiInclusi = l.Leggi<std::int32_t>();
    p.separaCasaTrasferta = (l.Leggi<std::uint8_t>() & 1) != 0;
}

void Esegui(CCampionato& c) {
    c.CreaMotore();
    if (c.motore->AggiornaStime() == 0) {
        (void)c.motore->PercentualeDatiUsati();
        const int squadre = c.config.stagioni.empty()
                                ? 0
                                : static_cast<int>(c.config.stagioni.back().numero());
        Stima s{};
        for (int h = 0; h < squadre && h < 8; ++h)
            for (int a = 0; a < squadre && a < 8; ++a)
                if (h != a) (void)c.motore->StimaIncontro(h, a, s);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < kByteParametri) return 0;
    static DatiGlobali* globali = new DatiGlobali();
    CCampionato& c = globali->campionato(0);
    c.ultimoIncontroFiltro = -1;
    c.stagioneFiltro = -1;

    const std::string_view resto(reinterpret_cast<const char*>(dati + kByteParametri),
                                 n - kByteParametri);
    const std::size_t sep = resto.find('\xFF');
    const std::string_view testoSquadre = resto.substr(0, sep);
    const std::string_view testoIncontri =
        sep == std::string_view::npos ? std::string_view{} : resto.substr(sep + 1);

    std::vector<ElencoSquadre> stagioni;
    ElencoIncontri incontri;
    if (!LeggiTestoSquadre(testoSquadre, kMaxSquadreStagione, stagioni)) return 0;
    if (!LeggiTestoIncontri(testoIncontri, stagioni, incontri)) return 0;

    // What reads must write back to files that read again to the same text.
    c.config.stagioni = stagioni;
    c.incontri = incontri;
    const std::string squadre = ScriviTestoSquadre(c.config);
    const std::string risultati = ScriviTestoIncontri(c.incontri);
    std::vector<ElencoSquadre> stagioni2;
    ElencoIncontri incontri2;
    if (!LeggiTestoSquadre(squadre, kMaxSquadreStagione, stagioni2) ||
        !LeggiTestoIncontri(risultati, stagioni2, incontri2))
        std::abort();
    c.config.stagioni = std::move(stagioni2);
    c.incontri = std::move(incontri2);
    if (ScriviTestoSquadre(c.config) != squadre || ScriviTestoIncontri(c.incontri) != risultati)
        std::abort();

    Lettore l(dati, kByteParametri);
    ImpostaParametri(c, l);
    Esegui(c);

    // The same with a cut-off, as the historical archive sets one: a stored
    // match and its 1-based season. The engine's cut-off variants run.
    const int numero = c.incontri.numero();
    if (numero > 0) {
        int voce = static_cast<int>((dati[0] | (dati[1] << 8)) % numero);
        while (voce < numero && c.incontri[voce].separatore()) ++voce;
        if (voce < numero) {
            int stagione = 0;
            for (int i = 0; i <= voce; ++i)
                if (c.incontri[i].separatore()) ++stagione;
            c.ultimoIncontroFiltro = voce;
            c.stagioneFiltro = stagione;
            Esegui(c);
        }
    }
    return 0;
}
