#include "pools/riduzioni/VerificaCopertura.h"

#include "pools/riduzioni/CorrezioneErrori.h"
#include "pools/riduzioni/SpazioMisto.h"

#include <vector>

namespace veltra::riduzioni {

namespace {

EsitoVerifica Difetto(std::string testo) {
    return {false, std::move(testo)};
}

// Index of a stored column; the bytes must already be valid.
uint32_t IndiceColonna(const SpazioMisto& spazio, const TabellaRiduzione& tabella, int32_t c) {
    uint32_t indice = 0;
    for (int r = 0; r < spazio.righe(); ++r)
        indice = indice * static_cast<uint32_t>(spazio.base(r)) +
                 static_cast<uint32_t>(spazio.CifraDaByte(r, tabella.Valore(c, r)));
    return indice;
}

class Bitmap {
public:
    explicit Bitmap(uint32_t n) : parole_((n + 63) / 64, 0), n_(n) {}
    bool Segna(uint32_t i) { // true if it was already set
        const uint64_t bit = uint64_t{1} << (i & 63);
        const bool gia = parole_[i >> 6] & bit;
        parole_[i >> 6] |= bit;
        return gia;
    }
    uint32_t PrimoLibero() const {
        for (uint32_t i = 0; i < n_; ++i)
            if (!(parole_[i >> 6] >> (i & 63) & 1)) return i;
        return n_;
    }

private:
    std::vector<uint64_t> parole_;
    uint32_t n_;
};

std::string DescriviColonna(const SpazioMisto& spazio, uint32_t indice) {
    const Cifre cifre = spazio.Scomponi(indice);
    std::string testo;
    for (int r = 0; r < spazio.righe(); ++r)
        testo += static_cast<char>('0' + spazio.ByteDaCifra(r, cifre[r]));
    return testo;
}

} // namespace

EsitoVerifica VerificaValori(const TabellaRiduzione& tabella) {
    if (tabella.righe() < 1 || tabella.righe() > kMaxRigheVariabili || tabella.numTriple < 0 ||
        tabella.numDoppie < 0 || tabella.numColonne < 0)
        return Difetto("intestazione non valida");
    if (tabella.valori.size() != static_cast<size_t>(tabella.numColonne) * tabella.righe())
        return Difetto("numero di valori diverso da colonne per righe");
    const SpazioMisto spazio(tabella.numTriple, tabella.numDoppie);
    for (int32_t c = 0; c < tabella.numColonne; ++c)
        for (int r = 0; r < tabella.righe(); ++r)
            if (spazio.CifraDaByte(r, tabella.Valore(c, r)) < 0)
                return Difetto("colonna " + std::to_string(c) + ", riga " + std::to_string(r) +
                               ": valore " + std::to_string(tabella.Valore(c, r)));
    return {true, {}};
}

EsitoVerifica VerificaCopertura(const TabellaRiduzione& tabella) {
    EsitoVerifica valori = VerificaValori(tabella);
    if (!valori.ok) return valori;
    const SpazioMisto spazio(tabella.numTriple, tabella.numDoppie);
    Bitmap coperti(spazio.dimensione());
    std::vector<uint32_t> vicini;
    for (int32_t c = 0; c < tabella.numColonne; ++c) {
        const uint32_t indice = IndiceColonna(spazio, tabella, c);
        coperti.Segna(indice);
        spazio.Vicini(indice, vicini);
        for (uint32_t v : vicini)
            coperti.Segna(v);
    }
    const uint32_t scoperto = coperti.PrimoLibero();
    if (scoperto < spazio.dimensione())
        return Difetto("risultato non coperto: " + DescriviColonna(spazio, scoperto));
    return {true, {}};
}

EsitoVerifica VerificaCorrezioneErrori(const TabellaRiduzione& tabella, int erroriMin,
                                       int erroriMax) {
    EsitoVerifica valori = VerificaValori(tabella);
    if (!valori.ok) return valori;
    const SpazioMisto spazio(tabella.numTriple, tabella.numDoppie);
    Bitmap presenti(spazio.dimensione());
    for (int32_t c = 0; c < tabella.numColonne; ++c) {
        int errori = 0;
        for (int r = 0; r < tabella.righe(); ++r)
            errori += tabella.Valore(c, r) != 1;
        const uint32_t indice = IndiceColonna(spazio, tabella, c);
        if (errori < erroriMin || errori > erroriMax)
            return Difetto("colonna " + DescriviColonna(spazio, indice) + " con " +
                           std::to_string(errori) + " errori");
        if (presenti.Segna(indice))
            return Difetto("colonna ripetuta: " + DescriviColonna(spazio, indice));
    }
    // Distinct columns, all in range: the set is exact when none is missing.
    const uint64_t attese =
        ContaCorrezioneErrori(tabella.numTriple, tabella.numDoppie, erroriMin, erroriMax);
    if (static_cast<uint64_t>(tabella.numColonne) != attese)
        return Difetto("colonne " + std::to_string(tabella.numColonne) + ", attese " +
                       std::to_string(attese));
    return {true, {}};
}

} // namespace veltra::riduzioni
