#!/usr/bin/env bash
# Random kills during saves: veltra-cli writes a working folder and its
# archives (importa, genera, verifica --salva, archivia-settimane,
# importa-quote, aggiorna, strategia --nuova, scambia-analisi in turn) and is
# killed with SIGKILL at a random moment; the next command that opens the
# folder must find it (its archives of weeks and odds included) exactly as it
# was before that command or exactly as after it, loadable, with no temporary
# file or journal left anywhere in it.
#
#   tests/uccisioni_casuali.sh [KILLS] [VELTRA-CLI]
#
# KILLS defaults to 1000, VELTRA-CLI to build-q/apps/veltra-cli (then
# build/apps/veltra-cli); veltra-servizio is taken beside it. Prints the
# figures, in all and per command; exits 1 if any folder was lost.
set -u
cd "$(dirname "$0")/.."
UCCISIONI=${1:-1000}
CLI=${2:-}
if [ -z "$CLI" ]; then
    for c in build-q/apps/veltra-cli build/apps/veltra-cli; do
        [ -x "$c" ] && CLI=$c && break
    done
fi
[ -x "${CLI:-}" ] || { echo "veltra-cli non trovato: costruirlo o indicarlo" >&2; exit 2; }
CLI=$(realpath "$CLI")
SERVIZIO=$(dirname "$CLI")/veltra-servizio
[ -x "$SERVIZIO" ] || { echo "veltra-servizio non trovato accanto a $CLI" >&2; exit 2; }

# On disk, where the flushes of a save take real time (TMPDIR chooses where).
LAVORO=$(mktemp -d "${TMPDIR:-/tmp}/veltra-uccisioni-XXXXXX")
SERVIZI=()
fine() {
    for p in "${SERVIZI[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
    rm -rf "$LAVORO"
}
trap fine EXIT

# The contents of a folder and of its sub-folders, file by file (the lock
# files aside), and which folders there are.
impronta() {
    (cd "$1" && { find . -type d | sort; find . -type f ! -name VELTRA.LCK -print0 | sort -z |
        xargs -0 -r md5sum; }) | md5sum | cut -d' ' -f1
}
# Whether a folder holds, anywhere, the temporary files or the journal of a save.
in_volo() {
    [ -n "$(find "$1" \( -name '*.tmp-??????' -o -name '*.tmp-??????.prec' -o -name Giornale.VLT \) -print -quit)" ]
}
con_giornale() { [ -n "$(find "$1" -name Giornale.VLT -print -quit)" ]; }

# The service on a free port, serving what `pubblica` made of a folder; its
# address in INDIRIZZO.
avvia_servizio() {
    local da=$1 dir=$2
    INDIRIZZO=
    "$SERVIZIO" pubblica --da "$da" --cartella "$dir" >/dev/null 2>&1 || return 1
    "$SERVIZIO" --cartella "$dir" --porta 0 >"$dir.porta" 2>/dev/null &
    SERVIZI+=($!)
    for _ in $(seq 200); do
        grep -qo 'http://[0-9.]*:[0-9]*' "$dir.porta" 2>/dev/null && break
        sleep 0.05
    done
    INDIRIZZO=$(grep -o 'http://[0-9.]*:[0-9]*' "$dir.porta" | head -1)
    [ -n "$INDIRIZZO" ]
}

# --- the folders every run starts from ------------------------------------
# A first start, with the shipped data and the bookmakers' archive folders
# (archivia-settimane over an empty folder makes them, as the program's first
# start does).
mkdir -p "$LAVORO/vuota"
"$CLI" verifica --cartella "$LAVORO/base" >/dev/null || exit 2
"$CLI" archivia-settimane --cartella "$LAVORO/base" --quote "$LAVORO/vuota" >/dev/null || exit 2
printf 'Date,Team 1,FT,HT,Team 2\nSat Aug 14 2004,Alfa,4-1,?,Beta\nSun Aug 15 2004,Beta,0-0,?,Gamma\nSat Aug 21 2004,Gamma,2-1,?,Alfa\n' \
    >"$LAVORO/stagione.csv"
# The odds of Serie A's last 120 stored matches as a football-data file, made
# from the shipped teams and scores.
awk 'NR == FNR {
         if ($0 ~ /^[0-9]+ $/) { n = 0; next }
         sub(/ $/, ""); gsub(/\./, " "); nomi[n++] = $0; next
     }
     /^-1 -1/ { k = 0; next }
     NF == 6 && $4 != "0" && $5 != "-" { riga[k++] = $0 }
     END {
         print "Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,AvgH,AvgD,AvgA"
         for (i = (k > 120 ? k - 120 : 0); i < k; i++) {
             split(riga[i], c, " ")
             d = c[4]
             r = c[3] == "1" ? "H" : c[3] == "2" ? "A" : "D"
             printf "I1,%s/%s/%s,15:00,%s,%s,%d,%d,%s,%.2f,%.2f,%.2f\n", substr(d, 7, 2),
                 substr(d, 5, 2), substr(d, 1, 4), nomi[c[1]], nomi[c[2]], c[5], c[6], r,
                 1.5 + (i % 7) * 0.3, 3.1 + (i % 3) * 0.1, 2.2 + (i % 5) * 0.4
         }
     }' "$LAVORO/base/squadrea.VLT" "$LAVORO/base/Reti-A.txt" >"$LAVORO/quote-a.csv"
mkdir -p "$LAVORO/settimane"
"$CLI" importa-quote --cartella "$LAVORO/base" --destinazione "$LAVORO/settimane" \
    "$LAVORO/quote-a.csv" 2>/dev/null | grep -q 'settimane=[1-9]' ||
    { echo "importa-quote non ha prodotto settimane da $LAVORO/quote-a.csv" >&2; exit 2; }
# A folder whose last season is under way, and the service publishing it whole.
"$CLI" genera --stagioni 6 --squadre 12 --seme 5 --in-corso --cartella "$LAVORO/incorso" >/dev/null || exit 2
"$CLI" genera --stagioni 6 --squadre 12 --seme 5 --cartella "$LAVORO/completa" >/dev/null || exit 2
avvia_servizio "$LAVORO/completa" "$LAVORO/servizio-agg" ||
    { echo "servizio degli aggiornamenti non avviato" >&2; exit 2; }
AGGIORNAMENTI=$INDIRIZZO
# The service proposing the shipped analyses.
avvia_servizio "$LAVORO/base" "$LAVORO/servizio-analisi" ||
    { echo "servizio delle analisi non avviato" >&2; exit 2; }
ANALISI=$INDIRIZZO

# name | base folder | command (@W the folder under test) | extra folder
# checked with it (@W too), empty for none
CASI=(
    "importa|base|importa --campionato C1 --cartella @W $LAVORO/stagione.csv|"
    "genera|base|genera --stagioni 30 --squadre 18 --seme 5 --cartella @W|"
    "verifica-salva|base|verifica --salva --cartella @W|"
    "archivia-settimane|base|archivia-settimane --cartella @W --quote $LAVORO/settimane --bookmaker SNAI|"
    "importa-quote|base|importa-quote --cartella $LAVORO/base --destinazione @W/../dest $LAVORO/quote-a.csv|@W/../dest"
    "aggiorna|incorso|aggiorna --cartella @W --indirizzo $AGGIORNAMENTI/aggiornamenti/ --campionato A --stallo 5|"
    "strategia-nuova|base|strategia --cartella @W --nuova Prova --evento tipo=1,posizione=1 --giocata A|"
    "scambia-analisi|base|scambia-analisi --cartella @W --indirizzo $ANALISI --ricevi A --ricevi B|"
)
campo() { echo "$1" | cut -d'|' -f"$2"; }

# A fresh copy of a case's folders under $LAVORO/$2.
prepara() {
    rm -rf "$LAVORO/$2" "$LAVORO/$2-x"
    mkdir -p "$LAVORO/$2-x"
    cp -a "$LAVORO/$(campo "$1" 2)" "$LAVORO/$2-x/w"
    mkdir -p "$LAVORO/$2-x/dest"
}
stato_caso() { # case, root: the fingerprint of every folder the case writes
    local w="$2/w" extra
    extra=$(campo "$1" 4)
    if [ -n "$extra" ]; then
        echo "$(impronta "$w")-$(impronta "${extra//@W/$w}")"
    else
        impronta "$w"
    fi
}
# The next start: a command that opens the folders repairs them, then loads.
riapri() { # case, root
    local w="$2/w" extra
    "$CLI" verifica --cartella "$w" >/dev/null 2>"$LAVORO/errori" || return 1
    extra=$(campo "$1" 4)
    if [ -n "$extra" ]; then
        # The odds folder is opened (and repaired) by the command that reads it.
        "$CLI" archivia-settimane --cartella "$LAVORO/lettore" --quote "${extra//@W/$w}" \
            >/dev/null 2>>"$LAVORO/errori" || return 1
    fi
}
cp -a "$LAVORO/base" "$LAVORO/lettore"

PRIMA=() DOPO=() DURATA=()
for i in "${!CASI[@]}"; do
    prepara "${CASI[$i]}" rif
    PRIMA[$i]=$(stato_caso "${CASI[$i]}" "$LAVORO/rif-x")
    modello=$(campo "${CASI[$i]}" 3)
    comando=${modello//@W/$LAVORO/rif-x/w}
    inizio=$(date +%s%N)
    "$CLI" $comando >/dev/null 2>"$LAVORO/errori" ||
        { echo "riferimento fallito: $comando: $(head -c 300 "$LAVORO/errori")" >&2; exit 2; }
    DURATA[$i]=$(( ($(date +%s%N) - inizio) / 1000 )) # microseconds
    DOPO[$i]=$(stato_caso "${CASI[$i]}" "$LAVORO/rif-x")
    [ "${PRIMA[$i]}" != "${DOPO[$i]}" ] ||
        { echo "riferimento senza effetto: $comando" >&2; exit 2; }
done

# What starting the sleep itself costs, taken off the waits so that the kills
# spread over the whole run, the save at its end included.
inizio=$(date +%s%N)
for _ in 1 2 3 4 5 6 7 8 9 10; do sleep 0; done
AVVIO=$(( ($(date +%s%N) - inizio) / 10000 ))
for i in "${!DURATA[@]}"; do
    DURATA[$i]=$(( DURATA[$i] > AVVIO + 1000 ? DURATA[$i] - AVVIO : 1000 ))
done
echo "durate (us): ${DURATA[*]}  avvio di sleep $AVVIO us"
interrotti=0 conGiornale=0 uccisioni=0 caricate=0 comePrima=0 comeDopo=0 perse=0 finite=0 avanzi=0
declare -A tot_c uccise_c prima_c dopo_c perse_c
for ((k = 0; k < UCCISIONI; k++)); do
    i=$((k % ${#CASI[@]}))
    nome=$(campo "${CASI[$i]}" 1)
    prepara "${CASI[$i]}" u
    radice="$LAVORO/u-x"
    modello=$(campo "${CASI[$i]}" 3)
    comando=${modello//@W/$radice/w}
    attesa=$(( (RANDOM * 32768 + RANDOM) % (DURATA[$i] * 11 / 10 + 1) ))
    "$CLI" $comando >/dev/null 2>&1 &
    pid=$!
    sleep "$(printf '%d.%06d' $((attesa / 1000000)) $((attesa % 1000000)))"
    tot_c[$nome]=$(( ${tot_c[$nome]:-0} + 1 ))
    if kill -KILL "$pid" 2>/dev/null; then
        uccisioni=$((uccisioni + 1))
        uccise_c[$nome]=$(( ${uccise_c[$nome]:-0} + 1 ))
    else
        finite=$((finite + 1))
    fi
    wait "$pid" 2>/dev/null
    # Killed in the middle of a save: its files are still in flight.
    if in_volo "$radice"; then
        interrotti=$((interrotti + 1))
        con_giornale "$radice" && conGiornale=$((conGiornale + 1))
    fi
    if riapri "${CASI[$i]}" "$radice"; then
        caricate=$((caricate + 1))
    else
        echo "non caricata dopo $comando: $(head -c 300 "$LAVORO/errori")" >&2
    fi
    if in_volo "$radice"; then avanzi=$((avanzi + 1)); fi
    stato=$(stato_caso "${CASI[$i]}" "$radice")
    if [ "$stato" = "${PRIMA[$i]}" ]; then
        comePrima=$((comePrima + 1))
        prima_c[$nome]=$(( ${prima_c[$nome]:-0} + 1 ))
    elif [ "$stato" = "${DOPO[$i]}" ]; then
        comeDopo=$((comeDopo + 1))
        dopo_c[$nome]=$(( ${dopo_c[$nome]:-0} + 1 ))
    else
        perse=$((perse + 1))
        perse_c[$nome]=$(( ${perse_c[$nome]:-0} + 1 ))
        echo "cartella persa: $comando ucciso dopo ${attesa} us: $(head -c 300 "$LAVORO/errori")" >&2
        cp -a "$radice" "$LAVORO/../veltra-persa-$k" 2>/dev/null
    fi
done
for c in "${CASI[@]}"; do
    n=$(campo "$c" 1)
    echo "$n: esecuzioni ${tot_c[$n]:-0}  uccise ${uccise_c[$n]:-0}  come prima ${prima_c[$n]:-0}  come dopo ${dopo_c[$n]:-0}  perse ${perse_c[$n]:-0}"
done
tot=$((uccisioni + finite))
echo "esecuzioni $tot  uccise $uccisioni  finite da sole $finite  uccise a meta' salvataggio $interrotti (dopo il giornale $conGiornale)"
echo "cartelle caricate $caricate su $tot  come prima $comePrima  come dopo $comeDopo  perse $perse  con file temporanei rimasti $avanzi"
[ "$perse" -eq 0 ] && [ "$avanzi" -eq 0 ] && [ "$caricate" -eq "$tot" ]
