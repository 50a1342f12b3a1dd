#pragma once
// Pos.VLT: the placement of the main window, 44 bytes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace veltra {

class Archivio;

inline constexpr const char* kFilePosizione = "Pos.VLT";
inline constexpr const char* kErroreAperturaPosizione =
    "Errore nell'apertura del file della posizione d'apertura della finestra principale di "
    "VELTRA.";
inline constexpr const char* kErroreLetturaPosizione =
    "Errore nella lettura del file della posizione d'apertura della finestra principale di "
    "VELTRA.";

struct PosizioneFinestra {
    std::int32_t lunghezza = 44;
    std::int32_t flags = 0;
    std::int32_t comandoMostra = 3; // maximised
    std::int32_t minimizzataX = -1, minimizzataY = -1;
    std::int32_t massimizzataX = -1, massimizzataY = -1;
    std::int32_t sinistra = 0, alto = 0, destra = 0, basso = 0; // normal rectangle

    void Serializza(Archivio& ar);
    friend bool operator==(const PosizioneFinestra&, const PosizioneFinestra&) = default;
};

// Reads Pos.VLT; on failure gives the program's message instead.
struct EsitoPosizione {
    std::optional<PosizioneFinestra> posizione;
    std::string errore;
};
EsitoPosizione LeggiPosizioneFinestra(const std::filesystem::path& cartella);
// Empty on success, else the program's message.
std::string ScriviPosizioneFinestra(const std::filesystem::path& cartella,
                                    const PosizioneFinestra& p);

} // namespace veltra
