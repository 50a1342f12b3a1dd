// Writes the starting corpus of the archive fuzzer into the folder given:
// valid configuration archives (new, and with data in every kind of record)
// and strategy lists, each prefixed with the byte that selects its reader.
#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"

#include <fstream>
#include <memory>

using namespace veltra;

namespace {
void Scrivi(const std::string& file, std::uint8_t scelta, const std::vector<std::uint8_t>& b) {
    std::ofstream f(file, std::ios::binary);
    f.put(static_cast<char>(scelta));
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string dir = argv[1];
    auto d = std::make_unique<DatiGlobali>();
    Scrivi(dir + "/cfg-nuovo", 0, ScriviArchivioConfigurazione(*d));
    Scrivi(dir + "/strategie-vuote", 1, ScriviArchivioStrategie(*d));
    CAnalisi a;
    a.titolo = "titolo";
    d->campionato(3).archivio.analisi = {a, a};
    d->campionato(5).ricerca.tipo = 1;
    d->campionato(5).ricerca.passo = 2;
    d->schedina.schedinaAssente = 0;
    d->condizionamenti.numColonneFiltro = 2;
    d->scommesse.nEventi = 3;
    CStrategiaDesc s;
    s.eventiStrategia.resize(2);
    s.giocate = {{0, 1}, {1}};
    d->strategie.strategie = {s, s};
    Scrivi(dir + "/cfg-pieno", 0, ScriviArchivioConfigurazione(*d));
    Scrivi(dir + "/strategie-piene", 1, ScriviArchivioStrategie(*d));
    return 0;
}
