#include "platform/Risorse.h"

#include <system_error>

namespace veltra {
namespace fs = std::filesystem;

namespace {

// <prefix>/share/veltra when the running program is installed under <prefix>/bin.
fs::path Installate() {
    std::error_code ec;
    const fs::path eseguibile = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const fs::path condivise = eseguibile.parent_path().parent_path() / "share" / "veltra";
    return fs::is_directory(condivise / "dati", ec) ? condivise : fs::path{};
}

} // namespace

fs::path CartellaRisorse() {
    if (fs::path p = Installate(); !p.empty()) return p;
    return VELTRA_RISORSE_SORGENTE;
}

fs::path CartellaRiduzioni() {
    if (fs::path p = Installate(); !p.empty()) return p / "riduzioni";
    return fs::path(VELTRA_RISORSE_COMPILATE) / "riduzioni";
}

fs::path CartellaSuoni() { return CartellaRisorse() / "suoni"; }

} // namespace veltra
