#include "app/aiuto/ConsiglioGiorno.h"

#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"

#include <string>

namespace veltra {

namespace {

constexpr std::array<std::string_view, kNumeroConsigli> kConsigli = {
    // 0
    "Benvenuto in VELTRA 2005 !*Questo spazio contiene dei consigli per utilizzare al meglio il "
    "programma.*Puoi richiamarlo o disabilitarlo ogni volta che vuoi, selezionando la voce "
    "'Consiglio' dal Menu Help.*",
    "Premendo il tasto F1 all'interno di una qualunque finestra si apre l'Help di VELTRA e si "
    "posiziona proprio nella pagina dedicata a tale finestra.*",
    "VELTRA gestisce 19 campionati.*Il campionato su cui lavorano le finestre di analisi e di "
    "pronostico e' quello corrente: lo si cambia dal menu dei campionati.*",
    "Le probabilita' di 1, X e 2 di una qualunque partita fra due squadre del campionato corrente "
    "si leggono nella finestra del pronostico della partita.*La finestra si aggiorna da sola dopo "
    "ogni modifica dei dati o dell'analisi.*",
    "L'analisi corrente stabilisce quante partite passate vengono considerate e con quale peso.*"
    "Cambiando questi valori cambiano le stime di tutte le partite del campionato.*",
    "La precisione dell'analisi corrente e' sempre visibile nella barra di stato della finestra "
    "principale.*",
    "Ogni campionato ha il suo archivio delle analisi: un'analisi che ha dato buoni risultati si "
    "puo' memorizzare e richiamare in seguito.*",
    "Quando i risultati di un campionato cambiano, le analisi del suo archivio vengono rivalutate "
    "sui nuovi dati.*",
    "I parametri avanzati (punti, soglie di forza, modifiche per posizione, pesi delle stagioni e "
    "limiti dei punteggi) raffinano l'analisi corrente.*Si modificano e si applicano dalla "
    "finestra dei parametri avanzati.*",
    "La ricerca dei parametri prova automaticamente molte combinazioni di percentuali e di "
    "parametri avanzati e conserva la migliore.*Una ricerca lunga si puo' interrompere, salvare e "
    "riprendere in seguito.*",
    // 10
    "Ogni elaborazione lunga (ricerche, costruzione dei sistemi, enumerazioni delle scommesse) "
    "mostra una finestra di avanzamento con il pulsante 'Interrompi'.*",
    "La ricerca nell'archivio migliora automaticamente tutte le analisi archiviate dei campionati "
    "scelti.*",
    "Il confronto delle analisi mette una accanto all'altra le analisi di campionati diversi; "
    "un'analisi si puo' anche copiare da un campionato a un altro.*",
    "I risultati delle nuove partite si inseriscono dalla finestra di inserimento dei risultati; "
    "le stime e l'archivio delle analisi seguono subito i nuovi dati.*",
    "Un nuovo campionato (una nuova stagione) si crea con l'apposita procedura: le squadre "
    "vengono riprese dalla stagione precedente e si possono cambiare.*",
    "La classifica, gli scontri diretti e l'archivio storico di un campionato si consultano dalle "
    "rispettive finestre, anche fino a una data scelta.*",
    "Il salvataggio dei dati e' protetto: se il programma si interrompe durante un salvataggio, "
    "all'avvio successivo i file vengono riportati a uno stato coerente.*",
    "La schedina del totocalcio si costruisce con la procedura guidata 'nuova schedina': si "
    "scelgono le 14 partite e VELTRA ne calcola le probabilita'.*",
    "La proposta del sistema suggerisce per ogni partita della schedina uno, due o tre segni in "
    "base alle probabilita'.*Il sistema proposto si puo' modificare a piacere e la sua dimensione "
    "e' sempre indicata.*",
    "Le dimensioni del sistema integrale, condizionato e ridotto vengono mostrate nella finestra "
    "del sistema prima di costruirlo.*",
    // 20
    "Il foglio dei condizionamenti filtra le colonne del sistema in base al numero di segni, "
    "alle sequenze, alle probabilita' e alle colonne filtro.*",
    "Una singola colonna si puo' provare sui condizionamenti per sapere quali la escludono.*",
    "I sistemi ridotti vengono costruiti dalle tabelle di riduzione fornite con il programma oppure "
    "dalle riduzioni calcolate da VELTRA.*",
    "La finestra 'MARVEN - Sistema Ridotto' mostra il sistema pagina per pagina e puo' dettarlo "
    "colonna per colonna.*",
    "Le colonne del sistema si stampano sulle schedine o come elenco; tutte le stampe si possono "
    "avviare dal gestore delle stampe.*",
    "Lo spoglio confronta i sistemi giocati con i risultati del concorso e indica le vincite di "
    "ogni categoria.*",
    "Le statistiche delle giocate archiviate riassumono i risultati dei sistemi giocati nel "
    "tempo.*",
    "La schedina e i condizionamenti vengono conservati con la configurazione: alla riapertura di "
    "VELTRA si ritrovano come li si era lasciati.*",
    "Quando l'analisi di un campionato cambia, le probabilita' della schedina e il sistema "
    "proposto vengono ricalcolati automaticamente.*",
    "Il gestore delle scommesse (TALBOR) raccoglie gli eventi con le loro quote, le probabilita' "
    "stimate e l'equita' di ogni giocata.*",
    // 30
    "Le quote si inseriscono o si modificano a mano dalle finestre degli eventi; un evento si puo' "
    "aggiungere e completare in qualunque momento.*",
    "Gli eventi con le quote si salvano nei file delle quote della settimana (.QUO) e si "
    "ricaricano quando servono.*",
    "La selezione delle scommesse ordina eventi e combinazioni secondo i criteri scelti ed elenca "
    "le scommesse calcolate.*",
    "La suddivisione della posta distribuisce il budget fra le scommesse scelte.*",
    "Le quote dei bookmaker si possono scaricare da internet: VELTRA riconosce le squadre e passa "
    "gli eventi al gestore delle scommesse.*",
    "Quando un'analisi cambia, le probabilita' e le equita' degli eventi del gestore delle "
    "scommesse vengono ricalcolate.*",
    "L'aggiornamento dei dati via internet scarica i risultati dal servizio e sostituisce gli "
    "elenchi delle partite dei campionati aggiornati.*",
    "Le analisi si possono inviare al servizio e ricevere da esso; un'analisi ricevuta si apre "
    "nella finestra di confronto.*",
    "La finestra 'Qualita' delle Stime' misura quanto le probabilita' stimate si sono avvicinate "
    "ai risultati reali.*",
    "Per ogni campionato si puo' scegliere il modello delle stime; la scelta viene conservata e "
    "usata da tutte le finestre.*",
    // 40
    "Le finestre non modali (pronostico, classifica, sistema, scommesse...) restano aperte "
    "mentre si lavora e si aggiornano da sole dopo ogni modifica.*",
    "La posizione e la dimensione delle finestre vengono ricordate da una sessione all'altra.*",
    "Alla chiusura VELTRA chiede se salvare i dati modificati; nulla viene perso senza "
    "conferma.*",
    "Ogni finestra che mostra dati stampabili ha il suo comando di stampa; il gestore delle stampe "
    "le raccoglie tutte in un'unica finestra.*",
    "Il gestore delle stampe chiede conferma prima di ogni stampa: ogni voce si puo' saltare.*",
    "Le stampe delle analisi riportano l'analisi corrente o l'intero archivio delle analisi di "
    "un campionato, con o senza i parametri avanzati.*",
    "Un file di dati danneggiato non blocca il programma: VELTRA spiega quale file non riesce a "
    "leggere e non lo sovrascrive.*",
    "I dati forniti con VELTRA provengono da fonti pubbliche; la finestra delle informazioni "
    "rimanda alla pagina dell'Help che le descrive.*",
    "Il programma a riga di comando veltra-cli esegue molte funzioni di VELTRA senza finestre: "
    "utile per elaborazioni lunghe e per gli script.*",
    "Con veltra-cli si possono valutare le stime, cercare i parametri, costruire sistemi, "
    "calcolare scommesse e importare quote.*",
    // 50
    "Una sola copia di VELTRA alla volta puo' scrivere in una cartella di dati: le altre possono "
    "solo leggerla.*",
    "Il servizio veltra-servizio fornisce gli aggiornamenti e lo scambio delle analisi anche su "
    "questo stesso computer.*",
    "Nella finestra del pronostico della partita le probabilita' si possono stampare con il "
    "pulsante di stampa.*",
    "Le scommesse calcolate si possono ordinare e filtrare prima della stampa o della "
    "giocata.*",
    "La finestra 'Consiglio del giorno' si puo' riaprire in ogni momento dalla voce 'Consiglio' "
    "del Menu Help.*Il pulsante 'Prossimo...' mostra il consiglio successivo.*",
    "Togliendo il segno dalla casella 'Mostra un consiglio all'avvio' i consigli non compaiono "
    "piu' all'avvio, ma restano disponibili dal Menu Help.*",
    "La voce 'Info...' del Menu Help mostra la versione del programma, la licenza e la provenienza "
    "dei dati.*",
    "I campionati di Serie C1 e C2 sono forniti vuoti: i loro risultati si possono inserire a "
    "mano.*",
    "Per alcuni campionati sono gia' presenti le partite della stagione successiva, in attesa dei "
    "risultati.*",
    "Cambiando il peso delle stagioni passate si decide quanto la storia conti rispetto alla "
    "stagione in corso.*",
    // 60
    "Prima di giocare un sistema conviene controllarne la dimensione: i condizionamenti e le "
    "riduzioni la abbassano anche di molto.*",
    "Nella finestra della proposta del sistema totocalcio si seleziona anche il tipo di riduzione "
    "da considerare nelle funzionalita' di visualizzazione, dettatura, stampa e spoglio dei "
    "risultati.*Il sistema ridotto (N-1) e' a garanzia della vincita di seconda categoria (il "
    "12); quello a correzione d'errori si basa sul numero minimo e massimo di varianti (o "
    "'errori') rispetto alla colonna base; il condizionato permette all'utente di filtrare le "
    "colonne indesiderate.*",
};

} // namespace

const std::array<std::string_view, kNumeroConsigli>& TabellaConsigli() { return kConsigli; }

std::vector<std::string> RigheConsiglio(std::string_view testo) {
    std::vector<std::string> righe;
    while (!testo.empty()) {
        const auto fine = testo.find('*');
        if (fine == std::string_view::npos) {
            righe.emplace_back(testo); // a tip without its final '*' still shows its last line
            break;
        }
        righe.emplace_back(testo.substr(0, fine));
        testo.remove_prefix(fine + 1);
    }
    return righe;
}

ConsiglioMostrato ProssimoConsiglio(DatiGlobali& dati) {
    const auto letto = LeggiImpostazione(dati, "IndexSuggerimento");
    long n = letto ? Atol(*letto) : 0;
    if (n < 0 || n >= kNumeroConsigli) n = 1;
    ConsiglioMostrato m;
    m.indice = static_cast<int>(n);
    m.righe = RigheConsiglio(kConsigli[static_cast<std::size_t>(n)]);
    const long prossimo = n + 1 >= kNumeroConsigli ? 1 : n + 1;
    ScriviImpostazione(dati, "IndexSuggerimento", std::to_string(prossimo));
    return m;
}

bool MostraConsiglioAllAvvio(DatiGlobali& dati) {
    const auto letto = LeggiImpostazione(dati, "SuggerimentoStart");
    if (!letto || letto->empty()) {
        ScriviImpostazione(dati, "SuggerimentoStart", "SI");
        return true;
    }
    return *letto == "SI";
}

void ChiudiConsiglio(DatiGlobali& dati, bool mostraAllAvvio) {
    ScriviImpostazione(dati, "SuggerimentoStart", mostraAllAvvio ? "SI" : "NO");
}

} // namespace veltra
