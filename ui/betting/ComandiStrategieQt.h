#pragma once
// The main window's strategy commands: "&Visualizza Strategie", "Calcolo
// &Rendimenti" and "&Esporta Eventi e Risultati".
#include <filesystem>
#include <functional>
#include <string>

class QWidget;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class FinestreNonModali;
class CVisualizzaStrategieQt;

// The file dialogs of the commands, replaceable by tests: the chosen path
// ("" = cancelled) for a title, a filter and a proposed path.
using SceltaFile = std::function<std::string(const char* titolo, const char* filtro, const std::string& proposta)>;

void ComandoVisualizzaStrategie(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                                QWidget* parent, SceltaFile apri = {});
void ComandoCalcoloRendimenti(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                              QWidget* parent, SceltaFile apri = {});
// The real plays of the strategies on the current events (the strategy
// window in its second mode, modeless), for the bet selection's
// "S&trategie...": opened through `finestre`, or the open one refreshed and
// brought forward; without events it says so and opens nothing (nullptr).
CVisualizzaStrategieQt* ApriGiocateReali(DatiGlobali& dati, const std::filesystem::path& cartella,
                                         IMessaggi& messaggi, FinestreNonModali& finestre,
                                         const bool& datiCambiati, QWidget* parent);
// Returns the week file written, or "".
std::string ComandoEsportaEventi(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                                 QWidget* parent, SceltaFile apri = {}, SceltaFile salva = {});

} // namespace veltra
