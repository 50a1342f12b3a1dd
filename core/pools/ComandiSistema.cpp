#include "pools/ComandiSistema.h"

#include "pools/OperazioniSchedina.h"

namespace veltra {

namespace {

using C = ComandoSistema;

struct Voce {
    C comando;
    std::string_view testo, suggerimento, nome;
};

// clang-format off
constexpr Voce kVoci[kNumeroComandiSistema] = {
    {C::FissaDoppia, "&Fissa --> Doppia", "Sceglie una fissa e la trasforma in doppia", "fissa-doppia"},
    {C::DoppiaTripla, "&Doppia --> Tripla", "Sceglie una doppia e la trasforma in tripla", "doppia-tripla"},
    {C::TriplaDoppia, "T&ripla --> Doppia", "Sceglie una tripla e la trasforma in doppia", "tripla-doppia"},
    {C::DoppiaFissa, "D&oppia --> Fissa", "Sceglie una doppia e la trasforma in fissa", "doppia-fissa"},
    {C::Aumenta1, "Aumenta gli '&1'", "Incrementa di un'unita' la quantita' di '1' in schedina, senza alterarne la dimensione", "aumenta-1"},
    {C::AumentaX, "Aumenta gli '&X'", "Incrementa di un'unita' la quantita' di 'X' in schedina, senza alterarne la dimensione", "aumenta-X"},
    {C::Aumenta2, "Aumenta i '&2'", "Incrementa di un'unita' la quantita' di '2' in schedina, senza alterarne la dimensione", "aumenta-2"},
    {C::Diminuisci1, "D&iminuisci gli '1'", "Decrementa di un'unita' la quantita' di '1' in schedina, senza alterarne la dimensione", "diminuisci-1"},
    {C::DiminuisciX, "Di&minuisci gli 'X'", "Decrementa di un'unita' la quantita' di 'X' in schedina, senza alterarne la dimensione", "diminuisci-X"},
    {C::Diminuisci2, "Dimi&nuisci i '2'", "Decrementa di un'unita' la quantita' di '2' in schedina, senza alterarne la dimensione", "diminuisci-2"},
};
// clang-format on

const Voce& VoceDi(C c) { return kVoci[static_cast<int>(c)]; }

bool InSistema(const Partita& p) { return !Manuale(p) && SlotUsati(p) > 0; }

// A fixed row becomes a double, a double a triple: the row whose most
// probable missing sign is the most probable, the last on ties.
EsitoComandoSistema Allarga(Schedina& s, int slot) {
    int scelta = -1, segnoScelto = -1;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (Manuale(p) || SlotUsati(p) != slot) continue;
        int m = -1;
        for (int g = 0; g < 3; ++g)
            if (!HaSegno(p, g) && (m < 0 || Probabilita(p, g) > Probabilita(p, m))) m = g;
        if (m < 0) continue;
        if (scelta < 0 || Probabilita(p, m) >= Probabilita(s.partite[scelta], segnoScelto)) {
            scelta = r;
            segnoScelto = m;
        }
    }
    if (scelta < 0 || !AggiungiSegno(s.partite[scelta], segnoScelto)) return {};
    return {true, scelta, -1};
}

// A triple becomes a double, a double a fixed row: the row whose least
// probable sign is the least probable, the first on ties.
EsitoComandoSistema Restringi(Schedina& s, int slot) {
    int scelta = -1, segnoScelto = -1;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (Manuale(p) || SlotUsati(p) != slot) continue;
        int m = -1;
        for (int g = 0; g < 3; ++g)
            if (HaSegno(p, g) && (m < 0 || Probabilita(p, g) < Probabilita(p, m))) m = g;
        if (m < 0) continue;
        if (scelta < 0 || Probabilita(p, m) < Probabilita(s.partite[scelta], segnoScelto)) {
            scelta = r;
            segnoScelto = m;
        }
    }
    if (scelta < 0 || !TogliSegno(s.partite[scelta], segnoScelto)) return {};
    return {true, scelta, -1};
}

void Altri(int segno, int& a, int& b) {
    a = segno == kSegno1 ? kSegnoX : kSegno1;
    b = segno == kSegno2 ? kSegnoX : kSegno2;
}

EsitoComandoSistema Aumenta(Schedina& s, int segno) {
    int a, b;
    Altri(segno, a, b);
    int r0 = -1;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (!InSistema(p) || HaSegno(p, segno)) continue;
        if (r0 < 0 || Probabilita(p, segno) >= Probabilita(s.partite[r0], segno)) r0 = r;
    }
    if (r0 < 0 || !AggiungiSegno(s.partite[r0], segno)) return {};
    const int slot = SlotUsati(s.partite[r0]);
    int r1 = -1, segnoTolto = -1;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (Manuale(p) || SlotUsati(p) != slot) continue;
        for (int g : {a, b})
            if (HaSegno(p, g) &&
                (r1 < 0 || Probabilita(p, g) < Probabilita(s.partite[r1], segnoTolto))) {
                r1 = r;
                segnoTolto = g;
            }
    }
    if (r1 < 0 || !TogliSegno(s.partite[r1], segnoTolto)) return {};
    return {true, r0, r1};
}

// A fixed row of `segno` turned into the more probable of the two other
// signs (the second on ties).
bool Cambia(Partita& p, int segno, int a, int b) {
    const int nuovo = Probabilita(p, a) > Probabilita(p, b) ? a : b;
    return AggiungiSegno(p, nuovo) && TogliSegno(p, segno);
}

EsitoComandoSistema Diminuisci(Schedina& s, int segno) {
    int a, b;
    Altri(segno, a, b);
    int r0 = -1;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (!HaSegno(p, segno)) continue;
        if (r0 < 0 || Probabilita(p, segno) < Probabilita(s.partite[r0], segno)) r0 = r;
    }
    if (r0 < 0) return {};
    Partita& pr = s.partite[r0];
    if (Fissa(pr)) {
        if (!Cambia(pr, segno, a, b)) return {};
        return {true, r0, r0};
    }
    if (!TogliSegno(pr, segno)) return {};
    const bool oraDoppia = Doppia(pr);
    const int slot = SlotUsati(pr);
    int r1 = -1, segnoAggiunto = -1;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (Manuale(p) || SlotUsati(p) != slot || (oraDoppia && r == r0)) continue;
        for (int g : {a, b})
            if (!HaSegno(p, g) &&
                (r1 < 0 || Probabilita(p, g) >= Probabilita(s.partite[r1], segnoAggiunto))) {
                r1 = r;
                segnoAggiunto = g;
            }
    }
    if (r1 >= 0) {
        if (!AggiungiSegno(s.partite[r1], segnoAggiunto)) return {};
        return {true, r0, r1};
    }
    // No row can take a or b: a fixed row of the sign changes instead, and
    // the first row keeps its sign.
    int w = -1;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (!Fissa(p) || p.segni[0] != segno) continue;
        if (w < 0 || Probabilita(p, segno) < Probabilita(s.partite[w], segno)) w = r;
    }
    if (w < 0) return {};
    if (!Cambia(s.partite[w], segno, a, b) || !AggiungiSegno(pr, segno)) return {};
    return {true, w, w};
}

} // namespace

EsitoComandoSistema EseguiComandoSistema(Schedina& s, ComandoSistema c) {
    // Every partial step is undone by putting the rows back.
    const auto prima = s.partite;
    EsitoComandoSistema e;
    switch (c) {
    case C::FissaDoppia:
        e = Allarga(s, 1);
        break;
    case C::DoppiaTripla:
        e = Allarga(s, 2);
        break;
    case C::TriplaDoppia:
        e = Restringi(s, 3);
        break;
    case C::DoppiaFissa:
        e = Restringi(s, 2);
        break;
    case C::Aumenta1:
    case C::AumentaX:
    case C::Aumenta2:
        e = Aumenta(s, static_cast<int>(c) - static_cast<int>(C::Aumenta1));
        break;
    case C::Diminuisci1:
    case C::DiminuisciX:
    case C::Diminuisci2:
        e = Diminuisci(s, static_cast<int>(c) - static_cast<int>(C::Diminuisci1));
        break;
    }
    if (!e.ok) {
        s.partite = prima;
        return e;
    }
    for (Partita& p : s.partite)
        if (!Vuota(p)) TestoPronostico(p);
    return e;
}

EsitoComandoSistema ApplicaComandoSistema(Schedina& s, ComandoSistema c) {
    const EsitoComandoSistema e = EseguiComandoSistema(s, c);
    if (!e.ok) return e;
    ++s.contatoriModifiche[static_cast<std::size_t>(c)];
    s.sistemaIniziale = 0;
    InvalidaRidotto(s);
    return e;
}

std::array<bool, kNumeroComandiSistema> ComandiAbilitati(const Schedina& s, int manualiFinestra) {
    int conSegno[3] = {}, fisse = 0, doppie = 0, triple = 0;
    for (const Partita& p : s.partite) {
        for (int g = 0; g < 3; ++g) conSegno[g] += HaSegno(p, g);
        fisse += Fissa(p);
        doppie += Doppia(p);
        triple += Tripla(p);
    }
    const int limite = kRigheSchedina - manualiFinestra;
    std::array<bool, kNumeroComandiSistema> on;
    on.fill(true);
    auto off = [&](C c) { on[static_cast<std::size_t>(c)] = false; };
    for (int g = 0; g < 3; ++g) {
        const C aumenta = static_cast<C>(static_cast<int>(C::Aumenta1) + g);
        const C diminuisci = static_cast<C>(static_cast<int>(C::Diminuisci1) + g);
        if (conSegno[g] == 0 || triple == conSegno[g]) off(diminuisci);
        if (conSegno[g] == limite) off(aumenta);
    }
    if (fisse == 0) off(C::FissaDoppia);
    if (fisse == limite) {
        off(C::DoppiaFissa);
        off(C::DoppiaTripla);
        off(C::TriplaDoppia);
    }
    if (doppie == 0) {
        off(C::DoppiaTripla);
        off(C::DoppiaFissa);
    }
    if (doppie == limite) {
        off(C::FissaDoppia);
        off(C::TriplaDoppia);
    }
    if (triple == 0) off(C::TriplaDoppia);
    if (triple == limite) {
        off(C::FissaDoppia);
        off(C::DoppiaFissa);
        off(C::DoppiaTripla);
    }
    return on;
}

std::string_view TestoComando(ComandoSistema c) { return VoceDi(c).testo; }
std::string_view SuggerimentoComando(ComandoSistema c) { return VoceDi(c).suggerimento; }
std::string_view NomeComando(ComandoSistema c) { return VoceDi(c).nome; }

std::optional<ComandoSistema> ComandoDaNome(std::string_view nome) {
    for (const Voce& v : kVoci)
        if (v.nome == nome) return v.comando;
    return std::nullopt;
}

} // namespace veltra
