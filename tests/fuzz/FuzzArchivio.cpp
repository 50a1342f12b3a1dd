// Fuzz target for the archive readers: the first byte picks the file, the
// rest is its content. 0: Cfg.VLT (with an empty, valid strategy list
// beside it). 1: Strategie.VLT beside a valid Cfg.VLT of version 'p'.
// 2: a yields file (".REN"), which when read must write back to the same
// record. 3: an archived week file and a "Settimane.txt".
// Whatever the bytes, reading must end in success or a clean refusal.
#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "betting/Rendimenti.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n == 0) return 0;
    static const std::vector<std::uint8_t> cfgValido = [] {
        auto d = std::make_unique<DatiGlobali>();
        return ScriviArchivioConfigurazione(*d);
    }();
    static const std::string strategieVuote("\x02\0\0\0\0\0\0\0", 8);
    const std::string resto(reinterpret_cast<const char*>(dati + 1), n - 1);
    if (dati[0] % 4 == 2) {
        // Compared as bytes: a NaN read from the file is not equal to itself.
        if (const auto r = LeggiRendimento(resto)) {
            const std::string b = ScriviRendimento(*r);
            const auto di_nuovo = LeggiRendimento(b);
            if (!di_nuovo || ScriviRendimento(*di_nuovo) != b) std::abort();
        }
        return 0;
    }
    if (dati[0] % 4 == 3) {
        std::array<bool, kNumeroCampionati> tutti{};
        tutti.fill(true);
        (void)LeggiSettimana(resto, tutti);
        if (const auto w = LeggiRiepilogo(resto); w && LeggiRiepilogo(TestoRiepilogo(*w)) != w) std::abort();
        return 0;
    }
    auto d = std::make_unique<DatiGlobali>();
    if (dati[0] % 2 == 0)
        LeggiArchivioConfigurazione({dati + 1, n - 1}, strategieVuote, *d);
    else
        LeggiArchivioConfigurazione(cfgValido,
                                    std::string(reinterpret_cast<const char*>(dati + 1), n - 1), *d);
    return 0;
}
