#include "pools/OperazioniSchedina.h"

#include <algorithm>
#include <cmath>

namespace veltra {

char CarattereSegno(int segno) {
    return segno == kSegno1 ? '1' : segno == kSegnoX ? 'X' : '2';
}

int SegnoDaCarattere(char c) {
    switch (c) {
    case '1':
        return kSegno1;
    case 'X':
    case 'x':
        return kSegnoX;
    case '2':
        return kSegno2;
    }
    return -1;
}

bool Manuale(const Partita& p) { return p.pronosticoManuale != "-"; }

bool Vuota(const Partita& p) { return p.prob1 == -1.0f && p.probX == -1.0f && p.prob2 == -1.0f; }

float Probabilita(const Partita& p, int segno) {
    return segno == kSegno1 ? p.prob1 : segno == kSegnoX ? p.probX : p.prob2;
}

int SlotUsati(const Partita& p) {
    int n = 0;
    while (n < 3 && p.segni[n] != -1) ++n;
    return n;
}

std::string TestoSegni(const Partita& p) {
    char t[3];
    int n = 0;
    while (n < 3 && p.segni[n] >= 0 && p.segni[n] <= 2) {
        t[n] = CarattereSegno(p.segni[n]);
        ++n;
    }
    return std::string(t, static_cast<std::size_t>(n));
}

std::string TestoPronostico(Partita& p) {
    p.pronosticoAuto = TestoSegni(p);
    return Pronostico(p);
}

std::string Pronostico(const Partita& p) {
    return Manuale(p) ? p.pronosticoManuale : TestoSegni(p);
}

bool HaSegno(const Partita& p, int segno) {
    if (Manuale(p)) return false;
    for (int i = 0; i < SlotUsati(p); ++i)
        if (p.segni[i] == segno) return true;
    return false;
}

bool Fissa(const Partita& p) { return !Manuale(p) && SlotUsati(p) == 1; }
bool Doppia(const Partita& p) { return !Manuale(p) && SlotUsati(p) == 2; }
bool Tripla(const Partita& p) { return !Manuale(p) && SlotUsati(p) == 3; }

bool AggiungiSegno(Partita& p, int segno) {
    if (Manuale(p) || segno < 0 || segno > 2 || HaSegno(p, segno)) return false;
    const int n = SlotUsati(p);
    if (n >= 3) return false;
    p.segni[n] = static_cast<std::int16_t>(segno);
    OrdinaSegni(p);
    return true;
}

bool TogliSegno(Partita& p, int segno) {
    if (Manuale(p)) return false;
    const int n = SlotUsati(p);
    if (n <= 1) return false;
    for (int i = 0; i < n; ++i) {
        if (p.segni[i] != segno) continue;
        for (int j = i; j < 2; ++j) p.segni[j] = p.segni[j + 1];
        p.segni[2] = -1;
        return true;
    }
    return false;
}

void OrdinaSegni(Partita& p) {
    if (Manuale(p)) return;
    const int n = SlotUsati(p);
    if (n == 2) {
        if (Probabilita(p, p.segni[1]) > Probabilita(p, p.segni[0])) std::swap(p.segni[0], p.segni[1]);
    } else if (n == 3) {
        std::sort(p.segni.begin(), p.segni.end(), [&](std::int16_t a, std::int16_t b) {
            const float pa = Probabilita(p, a), pb = Probabilita(p, b);
            return pa != pb ? pa > pb : a < b;
        });
    }
}

void PropostaBase(Partita& p, float probMinSegno, float probMinFissa, bool scartaManuale) {
    const std::string manuale = p.pronosticoManuale;
    p.pronosticoManuale.assign(1, '-'); // (a literal trips g++ 12's false -Wrestrict)
    p.segni = {-1, -1, -1};
    if (!Vuota(p)) {
        const float pr[3] = {p.prob1, p.probX, p.prob2};
        int n = 0;
        for (float v : pr)
            if (v >= probMinSegno) ++n;
        int migliore;
        if (pr[0] >= pr[1] && pr[0] >= pr[2])
            migliore = kSegno1;
        else if (pr[1] >= pr[0] && pr[1] >= pr[2])
            migliore = kSegnoX;
        else
            migliore = kSegno2;
        p.segni[0] = static_cast<std::int16_t>(migliore);
        if (pr[migliore] < probMinFissa && n <= 1) ++n;
        if (n >= 2) {
            // The two other signs in the order 1, X, 2.
            int a = -1, b = -1;
            for (int s = 0; s < 3; ++s) {
                if (s == migliore) continue;
                (a < 0 ? a : b) = s;
            }
            const bool pari = pr[a] == pr[b];
            const int secondo = pr[b] > pr[a] ? b : a;
            const int ultimo = secondo == a ? b : a;
            p.segni[1] = static_cast<std::int16_t>(secondo);
            if (n >= 3 || pari) p.segni[2] = static_cast<std::int16_t>(ultimo);
        }
    }
    p.pronosticoAuto = TestoSegni(p);
    if (!scartaManuale) p.pronosticoManuale = manuale;
}

void CorreggiProbabilita(float p[3]) {
    for (int i = 0; i < 3; ++i) {
        if (p[i] > 0.0f) continue;
        const float cedere = (std::fabs(p[i]) + 0.01f) / 2.0f;
        p[i] = 0.01f;
        for (int j = 0; j < 3; ++j)
            if (j != i) p[j] -= cedere;
    }
}

NumeroSegni StatoNumeroSegni(const Schedina& s) {
    NumeroSegni n;
    for (const Partita& p : s.partite) {
        const std::size_t l = Pronostico(p).size();
        if (l == 2) ++n.doppie;
        if (l == 3) ++n.triple;
    }
    return n;
}

long long ColonneIntegrale(const Schedina& s) {
    long long n = 1;
    for (const Partita& p : s.partite) n *= std::max<long long>(1, static_cast<long long>(Pronostico(p).size()));
    return n;
}

void Azzera(Schedina& s) {
    s.partite.fill(Partita{});
    s.sistemaIniziale = 1;
    s.ridotto = SistemaRidotto{};
    s.riduzioneMin = -1;
    s.riduzioneMax = -1;
    s.contatoriModifiche = {};
}

void SalvaCopia(Schedina& s) { s.copia = static_cast<const StatoSchedina&>(s); }

void RipristinaCopia(Schedina& s) { static_cast<StatoSchedina&>(s) = s.copia; }

void ImpostaBonus2(Schedina& s, float bonus) {
    const float delta = bonus - s.bonusSegno2;
    // An empty row keeps its -1 marks.
    for (Partita& p : s.partite)
        if (!Vuota(p)) p.prob2 += delta;
    s.bonusSegno2 = bonus;
}

void InvalidaRidotto(Schedina& s) {
    s.ridotto.numColonne = -1;
    s.ridotto.contato = 0;
}

int RigheRiempite(const Schedina& s) {
    int n = 0;
    while (n < kRigheSchedina && !Vuota(s.partite[n])) ++n;
    return n;
}

} // namespace veltra
