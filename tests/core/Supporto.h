#pragma once
// Small helpers shared by the core tests.
#include "app/DatiGlobali.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <unistd.h>
#include <vector>

namespace veltra::test {

// A fresh folder under the system temporary folder, removed at the end.
class CartellaTemporanea {
public:
    CartellaTemporanea() : CartellaTemporanea(std::filesystem::temp_directory_path()) {}
    explicit CartellaTemporanea(const std::filesystem::path& base) {
        std::string modello = (base / "veltra-XXXXXX").string();
        percorso_ = ::mkdtemp(modello.data());
    }
    // In memory where the system offers it: for tests that write a folder
    // hundreds of times.
    static std::filesystem::path InMemoria() {
        std::error_code ec;
        return std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                   ? std::filesystem::path("/dev/shm")
                   : std::filesystem::temp_directory_path();
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    const std::filesystem::path& percorso() const { return percorso_; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }

private:
    std::filesystem::path percorso_;
};

inline void ScriviTesto(const std::filesystem::path& p, const std::string& testo) {
    std::ofstream(p, std::ios::binary) << testo;
}

inline void ScriviByte(const std::filesystem::path& p, const std::vector<std::uint8_t>& byte) {
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(byte.data()), static_cast<std::streamsize>(byte.size()));
}

inline std::string LeggiTesto(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One match as "H A R": indices and result.
struct M {
    int casa, trasferta;
    char risultato;
};

// Appends a season of `squadre` teams named T0, T1, ... and its matches.
inline void Stagione(CCampionato& c, int squadre, std::initializer_list<M> incontri) {
    std::vector<std::string> nomi;
    for (int i = 0; i < squadre; ++i) nomi.push_back("T" + std::to_string(i));
    if (AggiungiStagione(c, nomi) != 0) throw std::runtime_error("stagione non valida");
    for (const M& m : incontri)
        if (AggiungiIncontro(c, m.casa, m.trasferta, m.risultato) != 0)
            throw std::runtime_error("incontro non valido");
}

} // namespace veltra::test
