#include "pools/riduzioni/LeggiTabellaRiduzione.h"

#include "pools/riduzioni/SpazioMisto.h"

#include "dati/FileAtomico.h"

namespace veltra::riduzioni {

namespace {

LetturaTabella Errore(EsitoLettura esito, std::string dettaglio) {
    LetturaTabella esitoLettura;
    esitoLettura.esito = esito;
    esitoLettura.messaggio =
        esito == EsitoLettura::ErroreApertura ? kErroreAperturaRidotto : kErroreLetturaRidotto;
    esitoLettura.dettaglio = std::move(dettaglio);
    return esitoLettura;
}

// Reads the header and works out the number of columns from the count and the length.
// Leaves the stream just past the header.
LetturaTabella LeggiIntestazione(FileRegolare& in, uintmax_t lunghezza, int triple, int doppie) {
    if (triple < 0 || doppie < 0 || triple + doppie < 1 || triple + doppie > kMaxRigheVariabili)
        return Errore(EsitoLettura::ErroreApertura, "combinazione di righe senza tabella");
    unsigned char testa[4];
    if (lunghezza < 4 || !in.Leggi(testa, 4))
        return Errore(EsitoLettura::ErroreLettura, "intestazione incompleta");
    const uint32_t conteggio = testa[0] | (testa[1] << 8);
    if (testa[2] != triple || testa[3] != doppie)
        return Errore(EsitoLettura::ErroreLettura, "triple e doppie diverse dal nome del file");

    const uintmax_t righe = static_cast<uintmax_t>(triple + doppie);
    const uintmax_t corpo = lunghezza - 4;
    // More columns than outcomes cannot be a reduction: refuse before allocating.
    const uintmax_t massimo = SpazioMisto(triple, doppie).dimensione();
    uintmax_t colonne = conteggio;
    if (conteggio == kConteggioDaLunghezza) {
        if (corpo % righe != 0)
            return Errore(EsitoLettura::ErroreLettura, "lunghezza non multipla di una colonna");
        colonne = corpo / righe;
        if (colonne < kConteggioDaLunghezza)
            return Errore(EsitoLettura::ErroreLettura, "file troppo corto");
    } else if (corpo != colonne * righe) {
        return Errore(EsitoLettura::ErroreLettura, corpo < colonne * righe
                                                       ? "file troppo corto"
                                                       : "byte oltre l'ultima colonna");
    }
    if (colonne > massimo)
        return Errore(EsitoLettura::ErroreLettura, "piu' colonne dei risultati possibili");

    LetturaTabella esito;
    esito.esito = EsitoLettura::Ok;
    esito.tabella.numTriple = triple;
    esito.tabella.numDoppie = doppie;
    esito.tabella.numColonne = static_cast<int32_t>(colonne);
    return esito;
}

} // namespace

// The table's file, opened as every reader opens a file: a fifo or a device
// in its place is refused at once instead of blocking the reader.
LetturaTabella LeggiDimensioneTabella(const std::filesystem::path& file, int triple, int doppie) {
    FileRegolare in(file);
    if (!in.aperto())
        return Errore(EsitoLettura::ErroreApertura, "file mancante o illeggibile: " + in.errore());
    return LeggiIntestazione(in, in.dimensione(), triple, doppie);
}

LetturaTabella LeggiFileTabella(const std::filesystem::path& file, int triple, int doppie) {
    FileRegolare in(file);
    if (!in.aperto())
        return Errore(EsitoLettura::ErroreApertura, "file mancante o illeggibile: " + in.errore());
    LetturaTabella esito = LeggiIntestazione(in, in.dimensione(), triple, doppie);
    if (!esito.ok()) return esito;

    TabellaRiduzione& tabella = esito.tabella;
    tabella.valori.resize(static_cast<size_t>(tabella.numColonne) * tabella.righe());
    if (!tabella.valori.empty() && !in.Leggi(tabella.valori.data(), tabella.valori.size()))
        return Errore(EsitoLettura::ErroreLettura, "file troppo corto");

    const SpazioMisto spazio(triple, doppie);
    for (size_t i = 0; i < tabella.valori.size(); ++i) {
        const int riga = static_cast<int>(i % tabella.righe());
        if (spazio.CifraDaByte(riga, tabella.valori[i]) < 0)
            return Errore(EsitoLettura::ErroreLettura,
                          riga < triple ? "valore fuori da 1..3 su una tripla"
                                        : "valore diverso da 1 e 3 su una doppia");
    }
    return esito;
}

LetturaTabella LeggiTabellaRiduzione(const std::filesystem::path& cartella, int triple,
                                     int doppie) {
    return LeggiFileTabella(cartella / NomeTabellaRiduzione(triple, doppie), triple, doppie);
}

LetturaTabella LeggiTabellaCorrezione(const std::filesystem::path& cartella, int triple, int doppie,
                                      int erroriMin, int erroriMax) {
    return LeggiFileTabella(cartella / NomeTabellaCorrezione(triple, doppie, erroriMin, erroriMax),
                            triple, doppie);
}

} // namespace veltra::riduzioni
