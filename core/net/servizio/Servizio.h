#pragma once
// The program's service, without its transport: what it answers to each
// request, from its folder.
//
//   CARTELLA/Squadre/        team-name tables and the proposed analyses
//                            ("AnalisiRicezione" + code + "7040.txt")
//   CARTELLA/aggiornamenti/  the update folder: "lastagg.txt", each
//                            championship's results file + ".txt" and its
//                            scores file ("Reti-A.txt"), "news9060.txt"
//   CARTELLA/ricevute/       every analysis accepted by POST, one file each
//
// GET "/Squadre/NAME" and "/aggiornamenti/NAME" serve the files (plain
// names only); POST "/cgi-bin/AnalisiInvio7040.pl" checks the analyses sent,
// stores each accepted one, and makes it the proposed analysis of its
// championship when its declared precision is higher than the proposed one's.
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>

namespace veltra {

class IOrologio;

inline constexpr const char* kCartellaSquadre = "Squadre";
inline constexpr const char* kCartellaAggiornamenti = "aggiornamenti";
inline constexpr const char* kCartellaRicevute = "ricevute";
inline constexpr std::size_t kMaxCorpoInvio = 512 * 1024;

struct RispostaServizio {
    int stato = 200;
    std::string corpo;
    std::string tipo = "text/plain; charset=windows-1252";
};

class Servizio {
public:
    Servizio(std::filesystem::path cartella, const IOrologio& orologio);

    // Safe to call from several threads at once.
    RispostaServizio Gestisci(std::string_view metodo, std::string_view percorso,
                              std::string_view corpo);

    const std::filesystem::path& cartella() const { return cartella_; }

private:
    RispostaServizio File(std::string_view sottocartella, std::string_view nome) const;
    RispostaServizio Invio(std::string_view corpo);

    std::filesystem::path cartella_;
    const IOrologio& orologio_;
    std::mutex scrittura_; // one POST at a time writes the folder
    long progressivo_ = 0;
};

// A plain file name: letters, digits, '.', '-', '_', not starting with '.'.
bool NomeSemplice(std::string_view nome);

} // namespace veltra
