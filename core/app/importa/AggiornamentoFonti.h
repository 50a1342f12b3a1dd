#pragma once
// The public sources in the window "Aggiornamento": beside the program's own
// service, each chosen championship's current season can be brought up to
// date from its source (the table of sources, or an address the user types).
// "Da &fonti" reads and merges every chosen championship as a job, against a
// copy of its data, and logs one report line each; "&OK" then puts all the
// merges in place, or none when any source was refused.
#include "app/importa/AggiornaDaFonte.h"
#include "app/importa/FontiAggiornamento.h"
#include "net/RegistroInternet.h"
#include "platform/Lavori.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace veltra {

class AggiornamentoFonti {
public:
    AggiornamentoFonti(DatiGlobali& dati, std::vector<CampionatoId> campionati,
                       std::filesystem::path cartella, IMessaggi& messaggi);

    const std::vector<CampionatoId>& campionati() const { return campionati_; }
    // The source of a chosen championship: the one typed, else the table's.
    std::string Fonte(CampionatoId c) const;
    void ImpostaFonte(CampionatoId c, std::string fonte);
    // A table of sources that could not be read ("" when both were read).
    const std::string& erroreTabella() const { return erroreTabella_; }

    // Reads and merges every chosen championship; `fine` is called on the
    // caller's thread when done. The log gets every step.
    void Aggiorna(IEsecutoreLavori& esecutore, IHttp& http, RegistroInternet& log,
                  std::function<void()> fine = {});
    void Interrompi();
    bool inCorso() const { return inCorso_; }
    bool okAbilitato() const { return !inCorso_ && completo_; }

    // Puts every merge in place and keeps the sources the user typed in the
    // working folder's table. false when there is nothing complete to apply.
    bool Ok(RegistroInternet& log);

    long secondiStallo = 20;

private:
    DatiGlobali& dati_;
    std::vector<CampionatoId> campionati_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    TabellaFonti tabella_;
    std::string erroreTabella_;
    std::map<CampionatoId, std::string> digitate_;
    std::shared_ptr<std::atomic<bool>> fermo_ = std::make_shared<std::atomic<bool>>(false);
    bool inCorso_ = false;
    bool completo_ = false;
    std::vector<UnioneFonte> unioni_;
};

} // namespace veltra
