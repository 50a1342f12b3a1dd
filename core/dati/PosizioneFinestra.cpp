#include "dati/PosizioneFinestra.h"

#include "dati/Archivio.h"
#include "dati/FileAtomico.h"

#include <vector>

namespace veltra {

void PosizioneFinestra::Serializza(Archivio& ar) {
    ar.campo(lunghezza);
    ar.campo(flags);
    ar.campo(comandoMostra);
    ar.campo(minimizzataX);
    ar.campo(minimizzataY);
    ar.campo(massimizzataX);
    ar.campo(massimizzataY);
    ar.campo(sinistra);
    ar.campo(alto);
    ar.campo(destra);
    ar.campo(basso);
}

EsitoPosizione LeggiPosizioneFinestra(const std::filesystem::path& cartella) {
    const auto testo = LeggiFile(cartella / kFilePosizione);
    if (!testo) return {std::nullopt, kErroreAperturaPosizione};
    std::vector<std::uint8_t> byte(testo->begin(), testo->end());
    try {
        Archivio ar(byte);
        PosizioneFinestra p;
        p.Serializza(ar);
        return {p, {}};
    } catch (const ErroreArchivio&) {
        return {std::nullopt, kErroreLetturaPosizione};
    }
}

std::string ScriviPosizioneFinestra(const std::filesystem::path& cartella,
                                    const PosizioneFinestra& p) {
    Archivio ar;
    PosizioneFinestra copia = p;
    copia.Serializza(ar);
    const auto& b = ar.dati();
    SalvataggioAtomico s;
    if (!s.Prepara(cartella / kFilePosizione, std::string(b.begin(), b.end())))
        return kErroreAperturaPosizione;
    if (!s.Conferma()) return kErroreLetturaPosizione;
    return {};
}

} // namespace veltra
