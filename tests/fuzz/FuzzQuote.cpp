// Fuzz target for what the odds download reads from outside: the first byte
// picks the reader (a bookmaker's page, its name table, the events file) and
// the bookmaker; for a page the second byte says where the body is cut in
// two blocks. Every reader must end cleanly, and what it gives must hold only
// values the loader can use.
#include "quote/FileEventi.h"
#include "quote/LettoriPagine.h"
#include "quote/PaginaQuote.h"
#include "quote/TabellaNomiBookmaker.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n < 2) return 0;
    const int scelta = dati[0] % 3;
    const auto b = static_cast<Bookmaker>((dati[0] / 3) % kBookmakerInternet);
    const std::string_view testo(reinterpret_cast<const char*>(dati + 2), n - 2);
    switch (scelta) {
    case 0: {
        const std::vector<std::string> nomi = {"inter", "real madrid", "lausanne + ouchy", "roma", "a"};
        const std::size_t taglio = std::min<std::size_t>(dati[1], testo.size());
        PulitoreTag t;
        t.Aggiungi(testo.substr(0, taglio));
        t.Aggiungi(testo.substr(taglio));
        const FormatoPagina f = FormatoBookmaker(b);
        const LetturaPagina l = LeggiEventiPagina(f, Gettoni(t.testo()), nomi, 2026, 12);
        const int quanti = static_cast<int>(nomi.size());
        for (const auto& e : l.eventi) {
            if (e.casa < 0 || e.casa >= quanti || e.trasferta < -1 || e.trasferta >= quanti ||
                e.casa == e.trasferta || e.data.find(' ') != std::string::npos)
                std::abort();
            for (int k = 0; k < 6; ++k)
                if ((k >= f.quote && e.quote[k] != 0) || (e.quote[k] != 0 && !(e.quote[k] > 1)))
                    std::abort();
        }
        if (l.coppie.size() % 2 != 0) std::abort();
        break;
    }
    case 1: {
        TabellaNomiBookmaker t;
        const CampionatoId c = dati[1] % kNumeroCampionati;
        if (!LeggiTabellaNomi(b, testo, t, c)) {
            // What was read is written back and read again the same.
            TabellaNomiBookmaker di_nuovo;
            if (LeggiTabellaNomi(b, ScriviTabellaNomi(b, t, c), di_nuovo, c) || di_nuovo.nomi != t.nomi)
                std::abort();
            for (const auto& v : t.nomi)
                if (v.size() > static_cast<std::size_t>(kMaxNomiTabella)) std::abort();
        }
        break;
    }
    default: {
        const ContenutoEventi c = LeggiFileEventi(testo);
        for (const auto& e : c.eventi)
            if (e.campionato < 0 || e.campionato >= kNumeroCampionati || e.casa < 0 || e.trasferta < -1)
                std::abort();
        break;
    }
    }
    return 0;
}
