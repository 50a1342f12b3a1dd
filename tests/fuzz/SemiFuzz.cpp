// Writes the starting corpus of the archive fuzzer into the folder given:
// valid configuration archives (new, and with data in every kind of record)
// and strategy lists, each prefixed with the byte that selects its reader.
// With a second folder, also the corpus of the engine fuzzer there: the
// default parameters, then the two text files of a few generated seasons.
// With a third, the corpus of the importer fuzzer: small result files of
// both layouts, the first byte choosing the championship.
#include "ParametriFuzz.h"
#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "betting/Rendimenti.h"
#include "dati/FileDati.h"
#include "dati/GeneratoreStagioni.h"
#include "net/AnalisiRete.h"

#include <fstream>
#include <memory>
#include <string>
#include <tuple>

using namespace veltra;

namespace {
void Scrivi(const std::string& file, std::uint8_t scelta, const std::vector<std::uint8_t>& b) {
    std::ofstream f(file, std::ios::binary);
    f.put(static_cast<char>(scelta));
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
// The service's replies: first byte = reader (0..4) + 5 x championship.
void SemiRisposte(const std::string& dir) {
    auto testo = [&](const std::string& nome, std::uint8_t scelta, const std::string& t) {
        Scrivi(dir + "/" + nome, scelta, std::vector<std::uint8_t>(t.begin(), t.end()));
    };
    testo("marcatore", 0, "12/09/2005");
    testo("news", 1, "12/09/2005\xB0Prima\xB0Seconda");
    testo("risultati", 2, "7 -1 -1 0 0 1 1 2 3 X -1 -1 0 4 5 2 0 5 1 ");
    AnalisiCampionato a;
    a.campionato = 2;
    testo("proposta", 3 + 5 * 2, TestoProposta(a, "Titolo"));
    testo("messaggio", 3, "-1 Nessuna analisi");
    testo("corpo", 4, CorpoInvio({a, a}, "Autore & C."));
}

void SemiMotore(const std::string& dir) {
    int k = 0;
    for (const auto& [stagioni, squadre, incompleta] :
         {std::tuple{3, 6, false}, std::tuple{4, 8, true}, std::tuple{2, 4, false}}) {
        CCampionato c(0);
        OpzioniGenerazione o;
        o.stagioni = stagioni;
        o.squadre = squadre;
        o.retrocessioni = 1;
        o.seme = static_cast<std::uint64_t>(k + 1);
        o.ultimaIncompleta = incompleta;
        if (GeneraStagioni(c, o) != 0) continue;
        std::ofstream f(dir + "/campionato-" + std::to_string(k++), std::ios::binary);
        f << fuzz::ScriviParametri(c) << ScriviTestoSquadre(c.config) << '\xFF'
          << ScriviTestoIncontri(c.incontri);
    }
}
void SemiImporta(const std::string& dir) {
    const char* const kFile[] = {
        "= IT 1 2004/05\n\n# Teams      3\n\nMatchday 1\n[Sat Sep/11]\n"
        "  20.30  AC Milan                 2-2 (1-1)  AS Livorno\n"
        "         Inter                    1-0  AS Roma  [awarded]\n"
        "Matchday 2\n[Sun Jan/9]\n"
        "  15.00  AS Livorno               -  AC Milan   [cancelled]\n"
        "         AS Roma                  3-1  Inter\n\n== Relegation\n\nFinal\n"
        "[Sat Jun/18]\n  20.45  AS Roma                  1-1 a.e.t. (1-1, 0-0)  Inter\n",
        "Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,B365H\n"
        "I1,24/08/2019,17:00,Parma,Juventus,0,1,A,9\n"
        "I1,08/03/2020,15:00,Juventus,Parma,2,0,H,1.2\n"
        "I1,19/09/2020,15:00,Juventus,Lecce,3,0,H,1.1\n",
        "Country,League,Season,Date,Time,Home,Away,HG,AG,Res,PH\n"
        "Russia,Premier League,2012/2013,21/07/2012,15:00,Zenit,Spartak,2,1,H,1.5\n"
        "Russia,Premier League,2012/2013,26/05/2013,15:00,Spartak,Zenit,0,0,D,2.5\n"
        "Russia,Premier League,2013/2014,14/07/2013,15:00,Zenit,Spartak,1,3,A,1.5\n",
        // openfootball's variant: both match-line layouts, goal scorers, stages.
        "= Italian Serie A 2025/26\n\n# Date       Sat Aug 23 2025 - Sun May 24 2026\n\n"
        "\xE2\x96\xAA Matchday 1\n  Sat Aug 23 2025\n"
        "    18:30  Genoa CFC     v US Lecce     0-0\n"
        "           SSC Napoli    v Torino FC    2-1 (1-0)\n"
        "  Sun Aug/24\n    20.45  US Lecce  1-3 (0-1)  SSC Napoli\n"
        "                  (Name 9', Other 37'(p);\n                   Third 45')\n"
        "\xC2\xBB 2. Round\n  Sun Jan 4\n"
        "           Torino FC     v Genoa CFC    1-0    [awarded]\n"
        "           US Lecce      v Torino FC    [postponed]\n"
        "           Genoa CFC     v SSC Napoli\n"
        "\xE2\x96\xAA Championship, Matchday 1\n  Sat May 2\n"
        "           SSC Napoli    v Genoa CFC    3-3\n"
        "           Torino FC     v SSC Napoli   0-0\n"
        "           Genoa CFC     v Torino FC    2-2\n"
        "\xE2\x96\xAA ECL Playoff, Final\n  Sat May 30\n"
        "           Genoa CFC     v US Lecce     4-3 pen. 1-1 a.e.t. (1-1, 0-0)\n",
        // engsoccerdata: every season of a country, lower tiers left out.
        "\"Date\",\"Season\",\"home\",\"visitor\",\"FT\",\"hgoal\",\"vgoal\",\"tier\",\"round\"\n"
        "\"1989-08-27\",1989,\"SSC Napoli\",\"Udinese\",\"1-0\",1,0,1,\"league\"\n"
        "\"1989-08-27\",1989,\"Bari\",\"Como\",\"2-2\",2,2,2,\"league\"\n"
        "\"1990-04-08\",1989,\"Udinese\",\"SSC Napoli\",\"0-2\",0,2,1,\"league\"\n"
        "\"1990-05-20\",1989,\"Udinese\",\"Inter\",\"1-1\",1,1,1,\"phase2\"\n"
        "\"1990-09-09\",1990,\"Udinese\",\"Inter\",\"NA\",NA,NA,1,\"league\"\n",
    };
    const char kCampionato[] = {0, 0, 18, 0, 0};
    for (int k = 0; k < 5; ++k) {
        std::ofstream f(dir + "/risultati-" + std::to_string(k), std::ios::binary);
        f.put(kCampionato[k]);
        f << kFile[k];
    }
}
} // namespace

// The odds download: first byte = reader (0 page, 1 table, 2 events file)
// + 3 x bookmaker; second byte: where a page is cut, or the championship.
void SemiQuote(const std::string& dir) {
    auto testo = [&](const std::string& nome, int reader, int bookmaker, std::uint8_t secondo,
                     const std::string& t) {
        std::vector<std::uint8_t> b{secondo};
        b.insert(b.end(), t.begin(), t.end());
        Scrivi(dir + "/" + nome, static_cast<std::uint8_t>(reader + 3 * bookmaker), b);
    };
    testo("betandwin", 0, 0, 40,
          "<tr><td>Gio 29.12.2026</td><td>15:30</td><td><a>Inter</a> - <a>Roma</a></td><td>1,85</td>"
          "<td>3,20</td><td>4,10</td><td>1,20</td><td>1,30</td><td>1,70</td></tr>"
          "<tr><td>01.01.2027</td><td>20:45</td><td>Real Madrid - Ignota</td><td>2,05</td></tr>");
    testo("betzone", 0, 1, 10, "<td>29/12/2026&nbsp;15:30</td><td>Inter&nbsp;-&nbsp;Roma</td><td>1,85</td>");
    testo("eurobet", 0, 2, 3, "<p>31.12.26 15:30 <b>Lausanne-Ouchy - Inter</b> 1.85 3.20 4.10</p>");
    testo("globet", 0, 3, 0, "<p>02.01.2027 18:00 Inter - Roma 1.5 3.0 6.0 1.1 1.2 2.0</p>");
    testo("snai", 0, 4, 7, "<div>data: 02/01 15:30)<br>Inter - Roma<br>1.85 3.20 4.10 minima: 3</div>");
    testo("tabella", 1, 0, 0, std::string("2\nInter\nReal_Madrid\n") +
                                  "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n"
                                  "http://127.0.0.1:9/W/\nA.htm\n");
    testo("tabella-e", 1, 2, 0, "2\nInter\nRoma\nhttp://127.0.0.1:9/E/\n");
    testo("eventi", 2, 0, 0, "-2 0 1 2 1.850000 3.200000 4.100000 29.12.2026-15:30\n -3\n2\n1\n2\n");
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string dir = argv[1];
    auto d = std::make_unique<DatiGlobali>();
    Scrivi(dir + "/cfg-nuovo", 0, ScriviArchivioConfigurazione(*d));
    Scrivi(dir + "/strategie-vuote", 1, ScriviArchivioStrategie(*d));
    CAnalisi a;
    a.titolo = "titolo";
    d->campionato(3).archivio.analisi = {a, a};
    d->campionato(5).ricerca.tipo = 1;
    d->campionato(5).ricerca.passo = 2;
    d->schedina.schedinaAssente = 0;
    d->condizionamenti.numColonneFiltro = 2;
    d->scommesse.nEventi = 3;
    CStrategiaDesc s;
    s.eventiStrategia.resize(2);
    s.giocate = {{0, 1}, {1}};
    d->strategie.strategie = {s, s};
    Scrivi(dir + "/cfg-pieno", 0, ScriviArchivioConfigurazione(*d));
    Scrivi(dir + "/strategie-piene", 1, ScriviArchivioStrategie(*d));
    {
        ScommessaMgr& m = d->scommesse;
        m.Azzera();
        m.AggiungiEvento(0, 3, "Inter", "Milan", {2.0f, 3.2f, 4.0f, 0, 0, 0}, 0.5f, 0.3f, 0.2f, "12/01/2002");
        m.eventi[0].esito = '1';
        const RendimentiSettimana r{{}, {}, {1, -1}, {0.5, 0.0}, false};
        const std::string ren = ScriviRendimento(NuovoRendimento(d->strategie, r, m));
        Scrivi(dir + "/rendimenti", 2, std::vector<std::uint8_t>(ren.begin(), ren.end()));
        const std::string settimana = TestoSettimana(m) + TestoRiepilogo({"080102", "150102"});
        Scrivi(dir + "/settimana", 3, std::vector<std::uint8_t>(settimana.begin(), settimana.end()));
    }
    if (argc > 2) SemiMotore(argv[2]);
    if (argc > 3) SemiImporta(argv[3]);
    if (argc > 4) SemiRisposte(argv[4]);
    if (argc > 5) SemiQuote(argv[5]);
    return 0;
}
