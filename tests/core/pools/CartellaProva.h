#pragma once
// A temporary folder for the pools tests' fixtures, removed at the end.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace veltra::test {

class CartellaProva {
public:
    CartellaProva() {
        std::string modello =
            (std::filesystem::temp_directory_path() / "veltra-pools-XXXXXX").string();
        percorso_ = ::mkdtemp(modello.data());
    }
    ~CartellaProva() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    const std::filesystem::path& percorso() const { return percorso_; }

    void Scrivi(const std::string& nome, const std::vector<uint8_t>& byte) const {
        std::ofstream(percorso_ / nome, std::ios::binary)
            .write(reinterpret_cast<const char*>(byte.data()),
                   static_cast<std::streamsize>(byte.size()));
    }

private:
    std::filesystem::path percorso_;
};

} // namespace veltra::test
