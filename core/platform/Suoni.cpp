#include "platform/Suoni.h"

#include <fstream>

namespace veltra {

namespace {
std::uint32_t Le(const char* p, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    return v;
}
} // namespace

std::optional<FormatoWav> LeggiFormatoWav(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    char riff[12];
    if (!in.read(riff, 12) || std::string(riff, 4) != "RIFF" || std::string(riff + 8, 4) != "WAVE")
        return std::nullopt;
    const auto dimensione = std::filesystem::file_size(file);
    FormatoWav f;
    std::uint32_t byteAlSecondo = 0;
    bool formato = false;
    for (;;) {
        char testa[8];
        if (!in.read(testa, 8)) return std::nullopt;
        const std::uint32_t n = Le(testa + 4, 4);
        const std::string id(testa, 4);
        if (id == "fmt ") {
            char fmt[16];
            if (n < 16 || !in.read(fmt, 16)) return std::nullopt;
            if (Le(fmt, 2) != 1) return std::nullopt; // PCM only
            f.canali = static_cast<int>(Le(fmt + 2, 2));
            f.campionamento = static_cast<int>(Le(fmt + 4, 4));
            byteAlSecondo = Le(fmt + 8, 4);
            f.bitPerCampione = static_cast<int>(Le(fmt + 14, 2));
            formato = byteAlSecondo > 0 && f.canali > 0;
            in.seekg(static_cast<std::streamoff>(n - 16 + (n & 1)), std::ios::cur);
        } else if (id == "data") {
            const auto pos = static_cast<std::uintmax_t>(in.tellg());
            if (!formato || pos + n > dimensione) return std::nullopt;
            f.byteDati = n;
            f.millisecondi = static_cast<int>(static_cast<std::uint64_t>(n) * 1000 / byteAlSecondo);
            return f;
        } else {
            in.seekg(static_cast<std::streamoff>(n + (n & 1)), std::ios::cur);
        }
        if (!in) return std::nullopt;
    }
}

} // namespace veltra
