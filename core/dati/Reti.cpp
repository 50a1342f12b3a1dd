#include "dati/Reti.h"

#include "dati/Campionato.h"
#include "dati/ParoleRiga.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace veltra {

namespace {

// Howard Hinnant's days-from-civil.
long GiorniCivili(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

bool Bisestile(int a) {
    return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
}

} // namespace

bool DataValida(DataNumerica data) {
    const int a = data / 10000, m = data / 100 % 100, g = data % 100;
    if (a < 1800 || a > 2999 || m < 1 || m > 12 || g < 1) return false;
    static const int giorni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return g <= giorni[m - 1] + (m == 2 && Bisestile(a));
}

long GiorniDaData(DataNumerica data) {
    return GiorniCivili(data / 10000, static_cast<unsigned>(data / 100 % 100),
                        static_cast<unsigned>(data % 100));
}

DataNumerica DataDaGiorni(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return static_cast<DataNumerica>((y + (m <= 2)) * 10000 + m * 100 + d);
}

char SegnoDaReti(int golCasa, int golTrasferta) {
    return golCasa > golTrasferta ? '1' : golCasa < golTrasferta ? '2' : 'X';
}

void RetiCampionato::Imposta(int posizione, const RetiIncontro& r) {
    if (posizione < 0) return;
    if (posizione >= numero()) voci_.resize(static_cast<std::size_t>(posizione) + 1);
    voci_[static_cast<std::size_t>(posizione)] = r;
}

void RetiCampionato::Tronca(int n) {
    if (n >= 0 && n < numero()) voci_.resize(static_cast<std::size_t>(n));
}

int RetiCampionato::conPunteggio() const {
    return static_cast<int>(
        std::count_if(voci_.begin(), voci_.end(), [](const RetiIncontro& r) { return r.conPunteggio(); }));
}

bool RetiCampionato::vuoto() const {
    return std::none_of(voci_.begin(), voci_.end(),
                        [](const RetiIncontro& r) { return r.data != 0 || r.conPunteggio(); });
}

std::string NomeFileReti(std::string_view codice) {
    return "Reti-" + std::string(codice) + ".txt";
}

std::string ScriviTestoReti(const RetiCampionato& reti, const ElencoIncontri& incontri) {
    const int n = std::min(reti.numero(), incontri.numero());
    std::string t = std::string(kIntestazioneReti) + "\n" + std::to_string(n) + "\n";
    char riga[96];
    for (int i = 0; i < n; ++i) {
        const Incontro& m = incontri[i];
        const RetiIncontro r = reti.Di(i);
        if (r.conPunteggio())
            std::snprintf(riga, sizeof riga, "%d %d %c %d %d %d\n", m.casa, m.trasferta,
                          m.risultato, static_cast<int>(r.data), r.golCasa, r.golTrasferta);
        else
            std::snprintf(riga, sizeof riga, "%d %d %c %d - -\n", m.casa, m.trasferta,
                          m.risultato, static_cast<int>(r.data));
        t += riga;
    }
    return t;
}

LetturaReti LeggiTestoReti(std::string_view testo, const ElencoIncontri& incontri) {
    LetturaReti l;
    int numeroRiga = 0;
    std::size_t pos = 0;
    auto prossima = [&](std::string_view& riga) {
        if (pos >= testo.size()) return false;
        const auto fine = testo.find('\n', pos);
        riga = testo.substr(pos, fine == std::string_view::npos ? std::string_view::npos : fine - pos);
        pos = fine == std::string_view::npos ? testo.size() : fine + 1;
        ++numeroRiga;
        return true;
    };
    auto errore = [&](const std::string& m) {
        l.reti.Svuota();
        l.scartate = 0;
        l.errore = "riga " + std::to_string(numeroRiga) + ": " + m;
        return l;
    };
    std::string_view riga;
    if (!prossima(riga) || ParoleRiga(riga).size() != 2 ||
        std::string(ParoleRiga(riga)[0]) + " " + std::string(ParoleRiga(riga)[1]) != kIntestazioneReti)
        return errore(std::string("manca l'intestazione \"") + kIntestazioneReti + "\"");
    long n = 0;
    if (!prossima(riga) || ParoleRiga(riga).size() != 1 || !InteroRiga(ParoleRiga(riga)[0], n) || n < 0 ||
        n > kNumeroMaxIncontri)
        return errore("numero di incontri non valido");
    for (long i = 0; i < n; ++i) {
        if (!prossima(riga)) return errore("il file finisce prima dei " + std::to_string(n) + " incontri annunciati");
        const auto p = ParoleRiga(riga);
        long casa, trasferta, data, gc = -1, gt = -1;
        if (p.size() != 6 || !InteroRiga(p[0], casa) || !InteroRiga(p[1], trasferta) ||
            p[2].size() != 1 || !InteroRiga(p[3], data))
            return errore("attesi sei campi: casa trasferta segno data golCasa golTrasferta");
        const bool senzaGol = p[4] == "-" && p[5] == "-";
        if (!senzaGol && (!InteroRiga(p[4], gc) || !InteroRiga(p[5], gt) || gc < 0 || gt < 0 ||
                          gc > 99 || gt > 99))
            return errore("reti non valide");
        if (data != 0 && !DataValida(static_cast<DataNumerica>(data)))
            return errore("data non valida: " + std::string(p[3]));
        if (i >= incontri.numero()) break; // the match list was cut: the rest is stale
        const Incontro& m = incontri[static_cast<int>(i)];
        const bool stessoIncontro = m.casa == casa && m.trasferta == trasferta && m.risultato == p[2][0];
        if (!stessoIncontro ||
            (!senzaGol && !m.separatore() && SegnoDaReti(static_cast<int>(gc), static_cast<int>(gt)) != m.risultato)) {
            ++l.scartate;
            continue;
        }
        RetiIncontro r;
        r.data = static_cast<DataNumerica>(data);
        if (!senzaGol && !m.separatore()) {
            r.golCasa = static_cast<std::int16_t>(gc);
            r.golTrasferta = static_cast<std::int16_t>(gt);
        }
        l.reti.Imposta(static_cast<int>(i), r);
    }
    l.reti.Tronca(incontri.numero());
    return l;
}

} // namespace veltra
