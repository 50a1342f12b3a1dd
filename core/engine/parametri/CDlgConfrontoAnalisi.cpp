#include "engine/parametri/CDlgConfrontoAnalisi.h"

#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace veltra {

namespace {

template <typename... A> std::string F(const char* formato, A... v) {
    char b[512];
    std::snprintf(b, sizeof b, formato, v...);
    return b;
}

double D(float x) { return static_cast<double>(x); }

// Thresholds are whole totals in practice; printed as integers.
int Intero(float x) { return static_cast<int>(std::lround(x)); }

std::string Coppia2(float a, float b) { return F("%+.2f / %+.2f", D(a), D(b)); }

} // namespace

CDlgConfrontoAnalisi::CDlgConfrontoAnalisi(std::string titolo, CAnalisi a, CAnalisi b)
    : titolo_(std::move(titolo)), a_(std::move(a)), b_(std::move(b)) {}

std::string CDlgConfrontoAnalisi::TestoPesi() const {
    const auto lato = [](const CAnalisi& x, int i) {
        return i < x.giornateAnalisi ? F("%d%%", x.percentualiImportanza[i]) : std::string("-");
    };
    std::string r;
    for (int i = 0; i < 5; ++i) {
        if (i > 0) r += "  ;  ";
        r += lato(a_, i) + " / " + lato(b_, i);
    }
    return r;
}

std::string CDlgConfrontoAnalisi::TestoPunti(int indice) const {
    return Coppia2(a_.punteggiAvanzati.punti[indice], b_.punteggiAvanzati.punti[indice]);
}

std::string CDlgConfrontoAnalisi::TestoModificaBassa(bool t) const {
    const auto& pa = a_.punteggiAvanzati;
    const auto& pb = b_.punteggiAvanzati;
    return t ? Coppia2(pa.modificaBassaTrasferta, pb.modificaBassaTrasferta)
             : Coppia2(pa.modificaBassaCasa, pb.modificaBassaCasa);
}

std::string CDlgConfrontoAnalisi::TestoModificaAlta(bool t) const {
    const auto& pa = a_.punteggiAvanzati;
    const auto& pb = b_.punteggiAvanzati;
    return t ? Coppia2(pa.modificaAltaTrasferta, pb.modificaAltaTrasferta)
             : Coppia2(pa.modificaAltaCasa, pb.modificaAltaCasa);
}

std::string CDlgConfrontoAnalisi::TestoDebole(bool t) const {
    const auto& pa = a_.punteggiAvanzati;
    const auto& pb = b_.punteggiAvanzati;
    return t ? F("%+.0f / %+.0f", D(pa.deboleTrasferta), D(pb.deboleTrasferta))
             : F("%+.0f / %+.0f", D(pa.deboleCasa), D(pb.deboleCasa));
}

std::string CDlgConfrontoAnalisi::TestoForte(bool t) const {
    const auto& pa = a_.punteggiAvanzati;
    const auto& pb = b_.punteggiAvanzati;
    return t ? F("%+.0f / %+.0f", D(pa.forteTrasferta), D(pb.forteTrasferta))
             : F("%+.0f / %+.0f", D(pa.forteCasa), D(pb.forteCasa));
}

std::string CDlgConfrontoAnalisi::TestoLimiteMin(bool t) const {
    return t ? F("%+d / %+d", a_.limiteMinTrasferta, b_.limiteMinTrasferta)
             : F("%+d / %+d", a_.limiteMinCasa, b_.limiteMinCasa);
}

std::string CDlgConfrontoAnalisi::TestoLimiteMax(bool t) const {
    return t ? F("%+d / %+d", a_.limiteMaxTrasferta, b_.limiteMaxTrasferta)
             : F("%+d / %+d", a_.limiteMaxCasa, b_.limiteMaxCasa);
}

std::string CDlgConfrontoAnalisi::TestoInclusi() const {
    return F("%d / %d", a_.punteggiAvanzati.campionatiInclusi, b_.punteggiAvanzati.campionatiInclusi);
}

std::string CDlgConfrontoAnalisi::TestoImportanzaMin() const {
    return F("%.0f%% / %.0f%%", D(a_.punteggiAvanzati.importanzaMin) * 100,
             D(b_.punteggiAvanzati.importanzaMin) * 100);
}

std::string CDlgConfrontoAnalisi::TestoImportanzaMax() const {
    return F("%.0f%% / %.0f%%", D(a_.punteggiAvanzati.importanzaMax) * 100,
             D(b_.punteggiAvanzati.importanzaMax) * 100);
}

std::vector<std::string> CDlgConfrontoAnalisi::RigheStampa() const {
    const auto& pa = a_.punteggiAvanzati;
    const auto& pb = b_.punteggiAvanzati;
    std::vector<std::string> r;
    r.push_back("Pesi delle giornate: " + TestoPesi());
    r.emplace_back();
    // Three lines per result and side: against a strong, an average, a weak team.
    struct Gruppo {
        const char* forte;
        const char* media;
        const char* debole;
        Esito esito;
    };
    const Gruppo casa[] = {
        {"Vittoria in Casa contro squadra forte  : ", "                                media  : ",
         "                                debole : ", kVittoria},
        {"Pareggio in Casa contro squadra forte  : ", "                                media  : ",
         "                                debole : ", kPareggio},
        {"Sconfitta in Casa contro squadra forte : ", "                                 media : ",
         "                                 debole: ", kSconfitta},
    };
    const Gruppo trasferta[] = {
        {"Vittoria in Trasferta contro squadra forte  : ",
         "                                     media  : ",
         "                                     debole : ", kVittoria},
        {"Pareggio in Trasferta contro squadra forte  : ",
         "                                     media  : ",
         "                                     debole : ", kPareggio},
        {"Sconfitta in Trasferta contro squadra forte : ",
         "                                      media : ",
         "                                      debole: ", kSconfitta},
    };
    const auto righe = [&](const Gruppo(&gruppi)[3], bool t) {
        for (const Gruppo& g : gruppi) {
            r.push_back(g.forte + Coppia2(pa.Punti(t, g.esito, kForte), pb.Punti(t, g.esito, kForte)));
            r.push_back(g.media + Coppia2(pa.Punti(t, g.esito, kMedia), pb.Punti(t, g.esito, kMedia)));
            r.push_back(g.debole + Coppia2(pa.Punti(t, g.esito, kDebole), pb.Punti(t, g.esito, kDebole)));
        }
    };
    righe(casa, false);
    r.emplace_back();
    righe(trasferta, true);
    r.emplace_back();
    r.push_back(F("In Casa     : Alta Classifica: %+.2f / %+.2f     Bassa Classifica: %+.2f / %+.2f",
                  D(pa.modificaAltaCasa), D(pb.modificaAltaCasa), D(pa.modificaBassaCasa),
                  D(pb.modificaBassaCasa)));
    r.push_back(F("In Trasferta : Alta Classifica: %+.2f / %+.2f     Bassa Classifica: %+.2f / %+.2f",
                  D(pa.modificaAltaTrasferta), D(pb.modificaAltaTrasferta),
                  D(pa.modificaBassaTrasferta), D(pb.modificaBassaTrasferta)));
    r.emplace_back();
    r.push_back(F("In Casa     : Squadra Debole < %+d / %+d     Forte > %+d / %+d",
                  Intero(pa.deboleCasa), Intero(pb.deboleCasa), Intero(pa.forteCasa),
                  Intero(pb.forteCasa)));
    r.push_back(F("In Trasferta : Squadra Debole < %+d / %+d     Forte > %+d / %+d",
                  Intero(pa.deboleTrasferta), Intero(pb.deboleTrasferta),
                  Intero(pa.forteTrasferta), Intero(pb.forteTrasferta)));
    r.emplace_back();
    r.push_back(F("Limiti punteggi tot. in Casa: Min: %+d / %+d    Max: %+d / %+d", a_.limiteMinCasa,
                  b_.limiteMinCasa, a_.limiteMaxCasa, b_.limiteMaxCasa));
    r.push_back(F("Limiti punteggi tot. in Trasferta: Min: %+d / %+d    Max: %+d / %+d",
                  a_.limiteMinTrasferta, b_.limiteMinTrasferta, a_.limiteMaxTrasferta,
                  b_.limiteMaxTrasferta));
    r.emplace_back();
    r.push_back(F("Percentuali d'importanza dei campionati: Min: %.0f%% / %.0f%%     Max: %.0f%% / %.0f%%",
                  D(pa.importanzaMin) * 100, D(pb.importanzaMin) * 100, D(pa.importanzaMax) * 100,
                  D(pb.importanzaMax) * 100));
    return r;
}

void CDlgConfrontoAnalisi::Stampa(IMessaggi& messaggi, IServizioStampa& servizio,
                                  const IOrologio& orologio) const {
    if (messaggi.Mostra("Prepara la stampante e poi premi 'OK'", Icona::Informazione,
                        Pulsanti::OkAnnulla) != Risposta::Ok)
        return;
    auto d = servizio.ScegliDispositivo();
    if (!d || !d->InizioDocumento(titolo_)) return;
    if (!d->InizioPagina()) {
        d->Annulla();
        return;
    }
    const std::tm oggi = orologio.Adesso();
    char data[32];
    std::strftime(data, sizeof data, "(%d/%m/%Y)", &oggi);
    d->Testo(0, 0, titolo_ + " " + data);
    // 26 lines from 160 end at 1660: always one page.
    int y = 160;
    for (const std::string& riga : RigheStampa()) {
        if (!riga.empty()) d->Testo(0, y, riga);
        y += 60;
    }
    if (!d->FinePagina()) {
        d->Annulla();
        return;
    }
    d->FineDocumento();
}

} // namespace veltra
