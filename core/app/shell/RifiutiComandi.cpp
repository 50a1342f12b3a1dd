#include "app/shell/RifiutiComandi.h"

#include "app/shell/Comandi.h"
#include "platform/Messaggi.h"

#include <array>
#include <string>

namespace veltra {

namespace {

struct Voce {
    int id;
    Rifiuto rifiuto;
};

// clang-format off
constexpr std::array kRifiuti = {
    Voce{comando::NuovaSchedina, {Finestra::SistemaTotocalcio, "Attualmente è aperta la finestra del sistema per il totocalcio.\nSe si vuole procedere nella creazione di una nuova schedina, prima bisogna chiudere tale finestra."}},
    Voce{comando::RicercaParametri, {Finestra::AnalisiCorrente, "Attualmente è aperta la finestra dell'analisi corrente.\nSe si vuole procedere nella ricerca di una nuova analisi, prima bisogna chiudere tale finestra"}},
    Voce{comando::ArchiviInternet, {Finestra::AnalisiCorrente, "Attualmente è aperta la finestra dell'analisi corrente.\nSe si vuole procedere nell'invio e ricezione di analisi via internet, prima bisogna chiudere tale finestra"}},
    Voce{comando::ConfrontoAnalisi, {Finestra::AnalisiCorrente, "Attualmente è aperta la finestra dell'analisi corrente.\nSe si vuole procedere nel confronto e copia analisi tra campionati, prima bisogna chiudere tale finestra."}},
    Voce{comando::ImmissioneQuote, {Finestra::ScommesseSportive, "Attualmente è aperta la finestra delle scommesse sportive.\nSe si vuole procedere nell'immissione di nuove quote, prima bisogna chiudere tale finestra."}},
    Voce{comando::ModificaQuote, {Finestra::ScommesseSportive, "Attualmente è aperta la finestra delle scommesse sportive.\nSe si vuole procedere nella modifica delle quote, prima bisogna chiudere tale finestra."}},
    Voce{comando::QuoteInternet, {Finestra::ScommesseSportive, "Attualmente è aperta la finestra delle scommesse sportive.\nSe si vuole procedere nel caricamento di nuove quote da internet, prima bisogna chiudere tale finestra."}},
    Voce{comando::CreaStrategia, {Finestra::GiocateReali, "Attualmente è aperta la finestra del calcolo delle giocate reali delle strategie.\nSe si vuole procedere nella creazione di nuove strategie, prima bisogna chiudere tale finestra."}},
    Voce{comando::VisualizzaStrategie, {Finestra::GiocateReali, "Attualmente è aperta la finestra del calcolo delle giocate reali delle strategie.\nSe si vuole procedere nella visualizzazione ed eliminazione delle strategie, prima bisogna chiudere tale finestra."}},
    Voce{comando::CalcoloRendimenti, {Finestra::GiocateReali, "Attualmente è aperta la finestra del calcolo delle giocate reali delle strategie.\nSe si vuole procedere nel calcolo dei rendimenti delle strategie, prima bisogna chiudere tale finestra."}},
};
// clang-format on

} // namespace

std::optional<Rifiuto> RifiutoDelComando(int id) {
    for (const auto& v : kRifiuti)
        if (v.id == id) return v.rifiuto;
    return std::nullopt;
}

bool ComandoRifiutato(int id, FinestreNonModali& finestre, IMessaggi& messaggi) {
    const auto r = RifiutoDelComando(id);
    if (!r) return false;
    IFinestraNonModale* w = finestre.Cerca(r->finestra);
    if (!w) return false;
    messaggi.Errore(std::string(r->messaggio));
    w->PortaInPrimoPiano();
    return true;
}

} // namespace veltra
