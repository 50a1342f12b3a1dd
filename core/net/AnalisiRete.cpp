#include "net/AnalisiRete.h"

#include "dati/Testo1252.h"
#include "engine/CMotoreStime.h"
#include "engine/parametri/LimitiTotali.h"
#include "engine/parametri/Percentuali.h"
#include "net/Internet.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace veltra {

namespace {

// Where each of the 46 fields lives. Integers first (ser..maxt, camp), the
// rest floats.
enum Tipo { kIntero, kReale };

struct Puntatori {
    std::array<float*, 46> reali{};
    std::array<int*, 46> interi{};
};

// The field of key position i of `a` as a text.
std::string Formatta(double v, Tipo t) {
    char buf[64];
    if (t == kIntero)
        std::snprintf(buf, sizeof buf, "%d", static_cast<int>(v));
    else
        std::snprintf(buf, sizeof buf, "%f", v);
    return buf;
}

constexpr Tipo TipoCampo(std::size_t i) {
    return i <= 11 || i == 38 ? kIntero : kReale;
}

// The values of an analysis in key order, as doubles.
std::array<double, 46> Valori(const AnalisiCampionato& x) {
    const CAnalisi& a = x.analisi;
    const CPunteggiAvanzati& p = a.punteggiAvanzati;
    std::array<double, 46> v{};
    std::size_t i = 0;
    v[i++] = x.campionato;
    v[i++] = a.giornateAnalisi;
    v[i++] = p.separaCasaTrasferta ? 1 : 0;
    for (int k = 0; k < 5; ++k) v[i++] = a.percentualiImportanza[k];
    v[i++] = a.limiteMinCasa;
    v[i++] = a.limiteMaxCasa;
    v[i++] = a.limiteMinTrasferta;
    v[i++] = a.limiteMaxTrasferta;
    for (float f : {p.modificaBassaCasa, p.modificaAltaCasa, p.modificaBassaTrasferta,
                    p.modificaAltaTrasferta, p.deboleCasa, p.forteCasa, p.deboleTrasferta,
                    p.forteTrasferta})
        v[i++] = f;
    for (bool trasferta : {false, true})
        for (Esito e : {kVittoria, kPareggio, kSconfitta})
            for (Forza f : {kForte, kMedia, kDebole}) v[i++] = p.Punti(trasferta, e, f);
    v[i++] = p.campionatiInclusi;
    v[i++] = p.importanzaMin;
    v[i++] = p.importanzaMax;
    v[i++] = a.precisione1;
    v[i++] = a.precisioneX;
    v[i++] = a.precisione2;
    v[i++] = (static_cast<double>(a.precisione1) + a.precisioneX + a.precisione2) / 3.0;
    v[i++] = a.datiUsati;
    return v;
}

bool LeggiNumero(std::string_view t, Tipo tipo, double& v) {
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    if (t.empty() || t.size() > 40) return false;
    if (tipo == kIntero) {
        long x = 0;
        const auto r = std::from_chars(t.data(), t.data() + t.size(), x);
        if (r.ec != std::errc() || r.ptr != t.data() + t.size() || x < -32768 || x > 32767)
            return false;
        v = static_cast<double>(x);
        return true;
    }
    double x = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), x, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(x) ||
        std::fabs(x) > 1e6)
        return false;
    v = x;
    return true;
}

bool Multiplo(double v, double passo) {
    return std::fabs(v / passo - std::round(v / passo)) < 1e-3;
}

std::vector<std::string_view> Parole(std::string_view t) {
    std::vector<std::string_view> r;
    std::size_t i = 0;
    auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < t.size()) {
        while (i < t.size() && spazio(t[i])) ++i;
        const std::size_t inizio = i;
        while (i < t.size() && !spazio(t[i])) ++i;
        if (i > inizio) r.push_back(t.substr(inizio, i - inizio));
    }
    return r;
}

} // namespace

std::vector<std::string> CampiAnalisi(const AnalisiCampionato& a) {
    const auto v = Valori(a);
    std::vector<std::string> r;
    r.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) r.push_back(Formatta(v[i], TipoCampo(i)));
    return r;
}

std::optional<AnalisiCampionato> AnalisiDaCampi(const std::vector<std::string_view>& campi,
                                                std::string* errore) {
    if (campi.size() != kCampiParametri && campi.size() != kChiaviAnalisi.size()) {
        if (errore) *errore = "numero di campi errato (" + std::to_string(campi.size()) + ")";
        return std::nullopt;
    }
    std::array<double, 46> v{};
    for (std::size_t i = 0; i < campi.size(); ++i)
        if (!LeggiNumero(campi[i], TipoCampo(i), v[i])) {
            if (errore)
                *errore = std::string("valore non valido per ") + kChiaviAnalisi[i] + ": '" +
                          std::string(campi[i].substr(0, 40)) + "'";
            return std::nullopt;
        }
    AnalisiCampionato x;
    CAnalisi& a = x.analisi;
    CPunteggiAvanzati& p = a.punteggiAvanzati;
    std::size_t i = 0;
    auto intero = [&] { return static_cast<std::int16_t>(v[i++]); };
    // A real field keeps what its six decimals on the wire can carry, so an
    // accepted analysis is written back and read again unchanged.
    auto reale = [&] {
        const std::string sei = Formatta(static_cast<float>(v[i++]), kReale);
        double x = 0;
        std::from_chars(sei.data(), sei.data() + sei.size(), x, std::chars_format::fixed);
        return static_cast<float>(x);
    };
    x.campionato = intero();
    a.giornateAnalisi = intero();
    const int separa = intero();
    p.separaCasaTrasferta = separa != 0;
    for (int k = 0; k < 5; ++k) a.percentualiImportanza[k] = intero();
    a.limiteMinCasa = intero();
    a.limiteMaxCasa = intero();
    a.limiteMinTrasferta = intero();
    a.limiteMaxTrasferta = intero();
    p.modificaBassaCasa = reale();
    p.modificaAltaCasa = reale();
    p.modificaBassaTrasferta = reale();
    p.modificaAltaTrasferta = reale();
    p.deboleCasa = reale();
    p.forteCasa = reale();
    p.deboleTrasferta = reale();
    p.forteTrasferta = reale();
    for (bool trasferta : {false, true})
        for (Esito e : {kVittoria, kPareggio, kSconfitta})
            for (Forza f : {kForte, kMedia, kDebole})
                p.punti[CPunteggiAvanzati::IndicePunti(e, f) + (trasferta ? 1 : 0)] = reale();
    p.campionatiInclusi = intero();
    p.importanzaMin = reale();
    p.importanzaMax = reale();
    if (separa != 0 && separa != 1) {
        if (errore) *errore = "ctsep deve valere 0 o 1";
        return std::nullopt;
    }
    if (campi.size() == kChiaviAnalisi.size()) {
        // Precisions are fractions (rm, their mean, is recomputed but must be one too).
        for (std::size_t k = 41; k <= 44; ++k)
            if (!(v[k] >= 0.0 && v[k] <= 1.0)) {
                if (errore) *errore = std::string("precisione fuori da 0..1 (") + kChiaviAnalisi[k] + ")";
                return std::nullopt;
            }
        a.precisione1 = reale();
        a.precisioneX = reale();
        a.precisione2 = reale();
        ++i; // rm: the mean of the three, recomputed
        a.datiUsati = reale();
    }
    return x;
}

std::string VerificaAnalisi(const AnalisiCampionato& x, int numeroStagioni) {
    const CAnalisi& a = x.analisi;
    const CPunteggiAvanzati& p = a.punteggiAvanzati;
    if (x.campionato < 0 || x.campionato >= kNumeroCampionati)
        return "campionato " + std::to_string(x.campionato) + " inesistente";
    const int n = a.giornateAnalisi;
    if (n < 1 || n > kMaxGiornateAnalisi)
        return "giornate d'analisi " + std::to_string(n) + " fuori da 1.." +
               std::to_string(kMaxGiornateAnalisi);
    int somma = 0;
    for (int k = 0; k < 5; ++k) {
        const int v = a.percentualiImportanza[k];
        if (k < n && (v < kPercentualeMinima || v > kPercentualeMassima))
            return "percentuale d'importanza " + std::to_string(k + 1) + " (" + std::to_string(v) +
                   ") fuori da 50..150";
        if (k >= n && (v < 0 || v > kPercentualeMassima))
            return "percentuale d'importanza " + std::to_string(k + 1) + " non valida";
        if (k < n) somma += v;
    }
    if (somma != n * 100)
        return "le percentuali d'importanza sommano " + std::to_string(somma) + " invece di " +
               std::to_string(n * 100);
    for (int k = 0; k < 18; ++k)
        if (!(p.punti[k] >= -4.0f && p.punti[k] <= 4.0f) || !Multiplo(p.punti[k], 0.01))
            return "punteggio " + std::to_string(k + 1) + " fuori da -4..+4";
    for (int lato = 0; lato < 2; ++lato) {
        bool diversi = false;
        for (int k = 2 + lato; k < 18; k += 2)
            if (p.punti[k] != p.punti[lato]) diversi = true;
        if (!p.separaCasaTrasferta)
            for (int k = 0; k < 18; ++k)
                if (p.punti[k] != p.punti[0]) diversi = true;
        if (!diversi) return lato == 0 ? "punteggi in casa tutti uguali" : "punteggi in trasferta tutti uguali";
    }
    for (float m : {p.modificaAltaCasa, p.modificaAltaTrasferta})
        if (!(m >= 0.0f && m <= 1.0f) || !Multiplo(m, 0.25)) return "modifica alta fuori da 0..1";
    for (float m : {p.modificaBassaCasa, p.modificaBassaTrasferta})
        if (!(m >= -1.0f && m <= 0.0f) || !Multiplo(m, 0.25)) return "modifica bassa fuori da -1..0";
    for (int lato = 0; lato < 2; ++lato) {
        const bool trasferta = lato == 1;
        const auto [lo, hi] = TotaliRaggiungibili(a, trasferta, true);
        const int minimo = trasferta ? a.limiteMinTrasferta : a.limiteMinCasa;
        const int massimo = trasferta ? a.limiteMaxTrasferta : a.limiteMaxCasa;
        const float forte = trasferta ? p.forteTrasferta : p.forteCasa;
        const float debole = trasferta ? p.deboleTrasferta : p.deboleCasa;
        const std::string dove = trasferta ? " in trasferta" : " in casa";
        if (minimo < lo - 1 || massimo > hi + 1 || minimo > massimo)
            return "limiti dei punteggi totali" + dove + " non validi";
        if (!Multiplo(forte, 1) || !Multiplo(debole, 1) || forte < debole || debole < lo - 1 ||
            forte > hi + 1)
            return "soglie di forza" + dove + " non valide";
    }
    const int maxStagioni = numeroStagioni >= 1 ? numeroStagioni : 200;
    if (p.campionatiInclusi < 1 || p.campionatiInclusi > maxStagioni)
        return "campionati inclusi " + std::to_string(p.campionatiInclusi) + " fuori da 1.." +
               std::to_string(maxStagioni);
    if (!(p.importanzaMax >= 0.995f && p.importanzaMax <= 1.955f) ||
        !Multiplo(p.importanzaMax, 0.01) ||
        std::fabs(static_cast<double>(p.importanzaMin) + p.importanzaMax - 2.0) > 0.005)
        return "importanza delle stagioni passate non valida";
    // Precisions are fractions, the data usage a percentage.
    for (float r : {a.precisione1, a.precisioneX, a.precisione2})
        if (!(r >= 0.0f && r <= 1.0f)) return "precisione fuori da 0..1";
    if (!(a.datiUsati >= 0.0f && a.datiUsati <= 100.0f)) return "dati usati fuori da 0..100";
    return {};
}

std::string CorpoInvio(const std::vector<AnalisiCampionato>& analisi, std::string_view autore) {
    std::string s = "ai=" + std::to_string(analisi.size());
    for (const auto& a : analisi) {
        const auto campi = CampiAnalisi(a);
        for (std::size_t i = 0; i < campi.size(); ++i) {
            s += '&';
            s += kChiaviAnalisi[i];
            s += '=';
            s += campi[i];
        }
    }
    s += "&aut=";
    s += CodificaModulo(A1252(autore));
    return s;
}

std::optional<CorpoInvioLetto> LeggiCorpoInvio(std::string_view corpo, std::string* errore) {
    auto fallisci = [&](std::string m) -> std::optional<CorpoInvioLetto> {
        if (errore) *errore = std::move(m);
        return std::nullopt;
    };
    std::vector<std::pair<std::string_view, std::string_view>> coppie;
    while (!corpo.empty()) {
        const auto e = corpo.find('&');
        const std::string_view voce = corpo.substr(0, e);
        const auto uguale = voce.find('=');
        if (uguale == std::string_view::npos) return fallisci("campo senza '=': " + std::string(voce.substr(0, 40)));
        coppie.emplace_back(voce.substr(0, uguale), voce.substr(uguale + 1));
        if (e == std::string_view::npos) break;
        corpo.remove_prefix(e + 1);
    }
    if (coppie.size() < 2 || coppie.front().first != "ai") return fallisci("manca 'ai'");
    double ai = 0;
    if (!LeggiNumero(coppie.front().second, kIntero, ai) || ai < 0 || ai > kMaxAnalisiInviate)
        return fallisci("numero di analisi non valido");
    const std::size_t n = static_cast<std::size_t>(ai);
    if (coppie.size() != 2 + n * kChiaviAnalisi.size())
        return fallisci("il corpo non contiene " + std::to_string(n) + " analisi");
    CorpoInvioLetto letto;
    for (std::size_t k = 0; k < n; ++k) {
        std::vector<std::string_view> campi;
        for (std::size_t i = 0; i < kChiaviAnalisi.size(); ++i) {
            const auto& [chiave, valore] = coppie[1 + k * kChiaviAnalisi.size() + i];
            if (chiave != kChiaviAnalisi[i])
                return fallisci("analisi " + std::to_string(k + 1) + ": atteso '" + kChiaviAnalisi[i] +
                                "', trovato '" + std::string(chiave.substr(0, 20)) + "'");
            campi.push_back(valore);
        }
        std::string perche;
        auto a = AnalisiDaCampi(campi, &perche);
        if (!a) return fallisci("analisi " + std::to_string(k + 1) + ": " + perche);
        if (std::string v = VerificaAnalisi(*a, 0); !v.empty())
            return fallisci("analisi " + std::to_string(k + 1) + ": " + v);
        letto.analisi.push_back(std::move(*a));
    }
    const auto& [chiave, valore] = coppie.back();
    if (chiave != "aut") return fallisci("manca 'aut'");
    const auto autore = DecodificaModulo(valore);
    if (!autore || autore->size() > kMaxAutore) return fallisci("autore non valido");
    letto.autore = Da1252(*autore);
    return letto;
}

bool ChiaveValida(std::string_view chiave) {
    if (chiave.size() < kMinChiave || chiave.size() > kMaxChiave) return false;
    for (char c : chiave)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '.' || c == '_' || c == '~' || c == '+' || c == '/' || c == '=' || c == '-'))
            return false;
    return true;
}

std::string IntestazioneChiave(std::string_view chiave) {
    return "Authorization: Bearer " + std::string(chiave) + "\r\n";
}

std::string NomeFileRicezione(CampionatoId c) {
    return "AnalisiRicezione" + std::string(Campionato(c).codice) + "7040.txt";
}

RispostaAnalisi LeggiRispostaAnalisi(std::string_view testo, CampionatoId campionato,
                                     int numeroStagioni) {
    RispostaAnalisi r;
    const auto parole = Parole(testo.substr(0, 64 * 1024));
    if (parole.empty()) {
        r.messaggio = "risposta vuota";
        return r;
    }
    if (parole[0] == "-1") {
        r.tipo = RispostaAnalisi::Messaggio;
        const std::size_t inizio = testo.find("-1") + 3;
        r.messaggio = Da1252(testo.substr(std::min(inizio, testo.size()), 4096));
        return r;
    }
    if (parole[0] != "-2") {
        r.messaggio = "la risposta non inizia con -1 o -2";
        return r;
    }
    if (parole.size() < 1 + kCampiParametri + 1) {
        r.messaggio = "analisi incompleta";
        return r;
    }
    std::vector<std::string_view> campi(parole.begin() + 1, parole.begin() + 1 + kCampiParametri);
    std::string perche;
    auto a = AnalisiDaCampi(campi, &perche);
    if (!a) {
        r.messaggio = perche;
        return r;
    }
    if (a->campionato != campionato) {
        r.messaggio = "analisi di un altro campionato";
        return r;
    }
    if (std::string v = VerificaAnalisi(*a, numeroStagioni); !v.empty()) {
        r.messaggio = v;
        return r;
    }
    const std::string_view titolo = parole[1 + kCampiParametri];
    if (titolo.size() > 100) {
        r.messaggio = "titolo troppo lungo";
        return r;
    }
    r.tipo = RispostaAnalisi::Analisi;
    r.proposta = std::move(*a);
    r.titolo = Da1252(titolo);
    return r;
}

std::string TestoProposta(const AnalisiCampionato& a, std::string_view titolo) {
    std::string s = "-2";
    const auto campi = CampiAnalisi(a);
    for (std::size_t i = 0; i < kCampiParametri; ++i) s += " " + campi[i];
    std::string t = A1252(titolo);
    for (char& c : t)
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') c = '_';
    if (t.empty()) t = "Analisi";
    return s + " " + t + "\n";
}

std::string RigaProvaLocale(const AnalisiCampionato& a) {
    std::string s = "-2";
    for (const auto& c : CampiAnalisi(a)) s += " " + c;
    return s + "\n";
}

} // namespace veltra
