// veltra-cli: the program's core from a terminal.
#include "Comandi.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Uso(std::FILE* f) {
    std::fputs(
        "uso: veltra-cli COMANDO [OPZIONI]\n"
        "  (senza --cartella: la cartella di lavoro predefinita, preparata al primo avvio)\n"
        "  stime [--cartella DIR] --campionato ID [--modello migliore|motore|rating] "
        "[--imposta NOME=VALORE]... [--filtro POS:STAGIONE] [--grezzo]\n"
        "  verifica [--cartella DIR] [--salva]\n"
        "  genera --cartella DIR [--stagioni N] [--squadre N] [--seme N] [--campionato ID]\n"
        "  importa --cartella DIR --campionato ID [--alias FILE] [--dal ANNO] [--al ANNO] "
        "[--troppe-squadre-vuota] "
        "[--prova] FILE...\n"
        "  schedina [--cartella DIR] [--nuova FILE] [--pronostico RIGA=TESTO|RIGA=-]... "
        "[--base] [--comando NOME]...\n"
        "  valuta [--cartella DIR] --campionato ID --dal STAGIONE --al STAGIONE "
        "[--modello migliore|motore|rating|rating-base] [--quote FILE...] "
        "[--insieme-quote media|pinnacle|massima|...] [--alias FILE] [--imposta NOME=VALORE]...\n"
        "    (--campionato tutti: una riga per campionato)\n"
        "  tara-rating [--cartella DIR] --campionato ID[,ID...]|tutti --dal STAGIONE --al STAGIONE "
        "[--prova NOME=V1/V2/...]... [--giri N] [--scrivi FILE]\n"
        "  ricerca [--cartella DIR] --campionato ID --tipo percentuali|avanzati "
        "[--passo S --ampiezza A | --utilizzo-minimo U] [--thread N] [--imposta NOME=VALORE]... "
        "[--salva]\n"
        "  aggiorna --cartella DIR [--indirizzo URL] [--campionato ID]... [--attesa SECONDI] "
        "[--stallo SECONDI]\n"
        "  aggiorna --cartella DIR --fonte URL|FILE|predefinita --campionato ID [--alias FILE] "
        "[--stallo SECONDI]\n"
        "  aggiorna [--cartella DIR] --fonti\n"
        "  sistema [--cartella DIR] [--riduzione integrale|n-1|E-F|condizionato] "
        "[--metodo standard|avanzato] [--colonne|--conta]\n"
        "  scommesse [--cartella DIR] --quote FILE.QUO [--gambe K] [--ricalcola] [--imposta NOME=VALORE]...\n"
        "  importa-quote [--cartella DIR] --destinazione DIR2 [--quote SCELTA] [--alias FILE] FILE...\n"
        "  spoglio [--cartella DIR] --risultati 1X2...\n"
        "  scambia-analisi [--cartella DIR] [--indirizzo URL] [--invia ID:POSIZIONE]... [--autore TESTO] "
        "[--ricevi ID]... [--correnti si|no] [--archivio si|no] [--scrivi-prova] [--da-file]\n"
        "  archivia-settimane [--cartella DIR] --quote DIR_QUO [--bookmaker NOME]\n"
        "  strategia [--cartella DIR] --numero N [--bookmaker NOME] [--dal GGMMAA]\n"
        "  strategia [--cartella DIR] --nuova NOME --evento CRITERI... --giocata A,B...\n"
        "  stampa [--cartella DIR] --voce NOME [--campionato ID] [--gambe K] --pdf FILE\n"
        "  ricerca-strategie [--cartella DIR] --bookmaker NOME --dal GGMMAA [--segni 1X2] "
        "[--ordinamenti PEQ] [--criterio rendimento|frequenza] [--eventi N] [--min-utili N] "
        "[--min-vincenti N,...(12)] [--campionati COD,...] [--uniti] [--thread N] [--tsv FILE] "
        "[--verifica-dal GGMMAA] [--html] [--salva-strategie] [--verboso]\n"
        "  giornata [--cartella DIR] --campionato ID [--numero N]\n",
        f);
}

} // namespace

int main(int argc, char** argv) {
    using namespace veltra::cli;
    if (argc < 2) {
        Uso(stderr);
        return kEsitoUso;
    }
    const std::string comando = argv[1];
    std::vector<std::string> argomenti(argv + 2, argv + argc);
    try {
        if (comando == "stime") return ComandoStime(argomenti);
        if (comando == "genera") return ComandoGenera(argomenti);
        if (comando == "verifica") return ComandoVerifica(argomenti);
        if (comando == "importa") return ComandoImporta(argomenti);
        if (comando == "schedina") return ComandoSchedina(argomenti);
        if (comando == "valuta") return ComandoValuta(argomenti);
        if (comando == "tara-rating") return ComandoTaraRating(argomenti);
        if (comando == "ricerca") return ComandoRicerca(argomenti);
        if (comando == "aggiorna") return ComandoAggiorna(argomenti);
        if (comando == "sistema") return ComandoSistemaRidotto(argomenti);
        if (comando == "scommesse") return ComandoScommesse(argomenti);
        if (comando == "importa-quote") return ComandoImportaQuote(argomenti);
        if (comando == "spoglio") return ComandoSpoglio(argomenti);
        if (comando == "scambia-analisi") return ComandoScambiaAnalisi(argomenti);
        if (comando == "archivia-settimane") return ComandoArchiviaSettimane(argomenti);
        if (comando == "strategia") return ComandoStrategia(argomenti);
        if (comando == "stampa") return ComandoStampa(argomenti);
        if (comando == "ricerca-strategie") return ComandoRicercaStrategie(argomenti);
        if (comando == "giornata") return ComandoGiornata(argomenti);
        if (comando == "--help" || comando == "-h" || comando == "aiuto") {
            Uso(stdout);
            return kEsitoOk;
        }
        throw ErroreUso{"comando sconosciuto: " + comando};
    } catch (const ErroreUso& e) {
        std::fprintf(stderr, "veltra-cli: %s\n", e.messaggio.c_str());
        return kEsitoUso;
    } catch (const ErroreCartella& e) {
        std::fprintf(stderr, "veltra-cli: %s\n", e.messaggio.c_str());
        return e.esito;
    }
}
