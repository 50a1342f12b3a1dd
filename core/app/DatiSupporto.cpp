#include "app/DatiSupporto.h"

#include "app/DatiGlobali.h"
#include "dati/FileAtomico.h"
#include "dati/Testo1252.h"

#include <climits>

namespace veltra {

long Atol(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\n' || t[i] == '\r' ||
                            t[i] == '\v' || t[i] == '\f'))
        ++i;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
    long long v = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        v = v * 10 + (t[i] - '0');
        if (v > INT32_MAX) v = INT32_MAX + 1LL; // saturate: the values are 32-bit
    }
    v = negativo ? -v : v;
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    return static_cast<long>(v);
}

std::string ScriviTestoDatiSupporto(const DatiGlobali& d) {
    std::string s;
    s += std::to_string(d.prossimoIdStrategia) + "\n";
    s += std::to_string(d.indiceSuggerimento) + "\n";
    s += A1252(d.suggerimentoStart) + "\n";
    s += A1252(d.impostazioneAU) + "\n";
    s += std::to_string(d.contatoreSalvataggi) + "\n";
    return s;
}

void LeggiTestoDatiSupporto(std::string_view testo, DatiGlobali& d) {
    std::string righe[5];
    int n = 0;
    while (n < 5 && !testo.empty()) {
        const auto fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        righe[n++] = std::string(riga);
        if (fine == std::string_view::npos) break;
        testo.remove_prefix(fine + 1);
    }
    if (n > 0) d.prossimoIdStrategia = static_cast<std::int32_t>(Atol(righe[0]));
    if (n > 1) d.indiceSuggerimento = static_cast<std::int32_t>(Atol(righe[1]));
    if (n > 2) d.suggerimentoStart = Da1252(righe[2]);
    if (n > 3) d.impostazioneAU = Da1252(righe[3]);
    if (n > 4) d.contatoreSalvataggi = static_cast<std::int32_t>(Atol(righe[4]));
}

EsitoFile LeggiDatiSupporto(const std::filesystem::path& cartella, DatiGlobali& d) {
    const auto file = cartella / kFileDatiSupporto;
    // Five short lines: anything near this size is not the program's file.
    const LetturaFile l = LeggiFileControllato(file, 1u << 16);
    if (l.mancante) return {};
    if (!l.testo) return EsitoFile::Errore(kErroreLetturaDatiSupporto, file.string() + ": " + l.errore);
    LeggiTestoDatiSupporto(*l.testo, d);
    return {};
}

bool ScriviDatiSupporto(const std::filesystem::path& cartella, const DatiGlobali& d) {
    return ScriviFileAtomico(cartella / kFileDatiSupporto, ScriviTestoDatiSupporto(d));
}

std::optional<std::string> LeggiImpostazione(const DatiGlobali& d, std::string_view nome) {
    if (nome == "IndexSuggerimento") return std::to_string(d.indiceSuggerimento);
    if (nome == "SuggerimentoStart") return d.suggerimentoStart;
    if (nome == "AU") return d.impostazioneAU;
    return std::nullopt;
}

bool ScriviImpostazione(DatiGlobali& d, std::string_view nome, std::string_view testo) {
    if (nome == "IndexSuggerimento") {
        d.indiceSuggerimento = static_cast<std::int32_t>(Atol(testo));
        return true;
    }
    if (nome == "SuggerimentoStart") {
        d.suggerimentoStart = std::string(testo);
        return true;
    }
    if (nome == "AU") {
        d.impostazioneAU = std::string(testo);
        return true;
    }
    return false;
}

} // namespace veltra
