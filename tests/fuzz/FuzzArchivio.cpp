// Fuzz target for the archive readers: the first byte picks the file, the
// rest is its content. Even: Cfg.VLT (with an empty, valid strategy list
// beside it). Odd: Strategie.VLT beside a valid Cfg.VLT of version 'p'.
// Whatever the bytes, reading must end in success or a clean refusal.
#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (n == 0) return 0;
    static const std::vector<std::uint8_t> cfgValido = [] {
        auto d = std::make_unique<DatiGlobali>();
        return ScriviArchivioConfigurazione(*d);
    }();
    static const std::string strategieVuote("\x02\0\0\0\0\0\0\0", 8);
    auto d = std::make_unique<DatiGlobali>();
    if (dati[0] % 2 == 0)
        LeggiArchivioConfigurazione({dati + 1, n - 1}, strategieVuote, *d);
    else
        LeggiArchivioConfigurazione(cfgValido,
                                    std::string(reinterpret_cast<const char*>(dati + 1), n - 1), *d);
    return 0;
}
