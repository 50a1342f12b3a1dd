#pragma once
// Message boxes, as the core sees them: a text, an icon, the buttons offered,
// and the help page the box's F1 or Help button opens. The desktop program
// shows them with Qt; veltra-cli prints them; tests script the answers and
// record what was shown.
#include <string>

namespace veltra {

enum class Icona { Esclamazione, Domanda, Informazione };
enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

// Help contexts the program uses.
inline constexpr int kNessunAiuto = 0;
inline constexpr int kAiutoStimeFallite = 113;
inline constexpr int kAiutoUscitaSalvataggio = 500;
inline constexpr int kAiutoFinestraPrincipale = 0x20065;
// Windows opened by a command and without a resource number of their own:
// 0x10000 + the command.
inline constexpr int kAiutoArchivioStorico = 0x10000 + 40085;
inline constexpr int kAiutoNuovaSchedina = 0x10000 + 40014;
inline constexpr int kAiutoAggiornamentoDati = 0x10000 + 40063;
inline constexpr int kAiutoGestioneArchiviInternet = 0x10000 + 40117;

class IMessaggi {
public:
    virtual ~IMessaggi() = default;
    virtual Risposta Mostra(const std::string& testo, Icona icona, Pulsanti pulsanti = Pulsanti::Ok,
                            int contestoAiuto = kNessunAiuto) = 0;

    // An error or warning with the exclamation icon.
    void Errore(const std::string& testo, int contestoAiuto = kNessunAiuto) {
        Mostra(testo, Icona::Esclamazione, Pulsanti::Ok, contestoAiuto);
    }
};

// Shows nothing and answers Ok or No: for batch use where no one can answer.
class MessaggiSilenziosi : public IMessaggi {
public:
    Risposta Mostra(const std::string&, Icona, Pulsanti p, int) override {
        return p == Pulsanti::Ok ? Risposta::Ok : p == Pulsanti::OkAnnulla ? Risposta::Annulla : Risposta::No;
    }
};

} // namespace veltra
