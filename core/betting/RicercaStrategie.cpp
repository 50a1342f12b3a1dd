#include "betting/RicercaStrategie.h"

#include "platform/Lavori.h"

namespace veltra {

namespace {
constexpr std::array<const char*, kTipiGiocata> kNomiTipi = {
    "Singola n.1",   "Multipla da 2", "Multipla da 3",        "Multipla da 4",
    "Multipla da 5", "Multipla da 6", "1 su 2",               "2 su 3",
    "2 su 4",        "3 su 4",        "4 su 5 in 3 terzine",  "1a fissa più 2 su 3"};
constexpr std::array<int, kTipiGiocata> kEventiTipi = {1, 2, 3, 4, 5, 6, 2, 3, 4, 4, 5, 4};
} // namespace

const char* NomeTipoGiocata(int tipo) {
    return tipo >= 0 && tipo < kTipiGiocata ? kNomiTipi[static_cast<size_t>(tipo)] : "";
}
int EventiTipoGiocata(int tipo) {
    return tipo >= 0 && tipo < kTipiGiocata ? kEventiTipi[static_cast<size_t>(tipo)] : 0;
}
const char* NomeBookmakerRicerca(int i) {
    return i >= 0 && i < kNumeroBookmaker ? kNomiBookmaker[static_cast<size_t>(i)] : "";
}
const char* CartellaBookmakerRicerca(int i) {
    return i >= 0 && i < kNumeroBookmaker ? kCartelleBookmaker[static_cast<size_t>(i)] : "";
}

EsitoRicercaStrategie CercaStrategie(const ParametriRicerca&, const std::filesystem::path&,
                                     ListaStrategie&, std::int32_t&, const DataOra&,
                                     IRapportoRicerca&, const ContestoLavoro&) {
    return {};
}

} // namespace veltra
