#!/usr/bin/env bash
# Random kills during saves: veltra-cli writes a working folder (importa,
# genera, verifica --salva in turn) and is killed with SIGKILL at a random
# moment; the next command that opens the folder must find it exactly as it
# was before that save or exactly as after it, loadable, with no temporary
# file or journal left.
#
#   tests/uccisioni_casuali.sh [KILLS] [VELTRA-CLI]
#
# KILLS defaults to 1000, VELTRA-CLI to build-q/apps/veltra-cli (then
# build/apps/veltra-cli). Prints the figures; exits 1 if any folder was lost.
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

# On disk, where the flushes of a save take real time (TMPDIR chooses where).
LAVORO=$(mktemp -d "${TMPDIR:-/tmp}/veltra-uccisioni-XXXXXX")
trap 'rm -rf "$LAVORO"' EXIT

# The contents of a folder, file by file (the lock file aside).
impronta() {
    (cd "$1" && find . -maxdepth 1 -type f ! -name VELTRA.LCK -print0 | sort -z |
        xargs -0 md5sum) | md5sum | cut -d' ' -f1
}

# The folder every run starts from: a first start, with the shipped data.
"$CLI" verifica --cartella "$LAVORO/base" >/dev/null || exit 2
printf 'Date,Team 1,FT,HT,Team 2\nSat Aug 14 2004,Alfa,4-1,?,Beta\nSun Aug 15 2004,Beta,0-0,?,Gamma\nSat Aug 21 2004,Gamma,2-1,?,Alfa\n' \
    >"$LAVORO/stagione.csv"
COMANDI=(
    "importa --campionato C1 --cartella %s $LAVORO/stagione.csv"
    "genera --stagioni 30 --squadre 18 --seme 5 --cartella %s"
    "verifica --salva --cartella %s"
)
PRIMA=$(impronta "$LAVORO/base")
DOPO=()
DURATA=()
for i in "${!COMANDI[@]}"; do
    rm -rf "$LAVORO/rif"
    cp -a "$LAVORO/base" "$LAVORO/rif"
    # shellcheck disable=SC2059
    comando=$(printf "${COMANDI[$i]}" "$LAVORO/rif")
    inizio=$(date +%s%N)
    "$CLI" $comando >/dev/null 2>&1 || { echo "riferimento fallito: $comando" >&2; exit 2; }
    DURATA[$i]=$(( ($(date +%s%N) - inizio) / 1000 )) # microseconds
    DOPO[$i]=$(impronta "$LAVORO/rif")
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
for ((k = 0; k < UCCISIONI; k++)); do
    i=$((k % ${#COMANDI[@]}))
    rm -rf "$LAVORO/w"
    cp -a "$LAVORO/base" "$LAVORO/w"
    # shellcheck disable=SC2059
    comando=$(printf "${COMANDI[$i]}" "$LAVORO/w")
    attesa=$(( (RANDOM * 32768 + RANDOM) % (DURATA[$i] * 11 / 10 + 1) ))
    "$CLI" $comando >/dev/null 2>&1 &
    pid=$!
    sleep "$(printf '0.%06d' "$attesa")"
    if kill -KILL "$pid" 2>/dev/null; then uccisioni=$((uccisioni + 1)); else finite=$((finite + 1)); fi
    wait "$pid" 2>/dev/null
    # Killed in the middle of a save: its files are still in flight.
    if compgen -G "$LAVORO/w/*.tmp-*" >/dev/null || [ -e "$LAVORO/w/Giornale.VLT" ]; then
        interrotti=$((interrotti + 1))
        [ -e "$LAVORO/w/Giornale.VLT" ] && conGiornale=$((conGiornale + 1))
    fi
    # The next start: a command that opens the folder repairs it, then loads it.
    if "$CLI" verifica --cartella "$LAVORO/w" >/dev/null 2>"$LAVORO/errori"; then
        caricate=$((caricate + 1))
    else
        echo "non caricata dopo $comando: $(head -c 300 "$LAVORO/errori")" >&2
    fi
    if compgen -G "$LAVORO/w/*.tmp-*" >/dev/null || [ -e "$LAVORO/w/Giornale.VLT" ]; then
        avanzi=$((avanzi + 1))
    fi
    stato=$(impronta "$LAVORO/w")
    if [ "$stato" = "$PRIMA" ]; then
        comePrima=$((comePrima + 1))
    elif [ "$stato" = "${DOPO[$i]}" ]; then
        comeDopo=$((comeDopo + 1))
    else
        perse=$((perse + 1))
        echo "cartella persa: $comando ucciso dopo ${attesa} us: $(head -c 300 "$LAVORO/errori")" >&2
        cp -a "$LAVORO/w" "$LAVORO/../veltra-persa-$k" 2>/dev/null
    fi
done
tot=$((uccisioni + finite))
echo "esecuzioni $tot  uccise $uccisioni  finite da sole $finite  uccise a meta' salvataggio $interrotti (dopo il giornale $conGiornale)"
echo "cartelle caricate $caricate su $tot  come prima $comePrima  come dopo $comeDopo  perse $perse  con file temporanei rimasti $avanzi"
[ "$perse" -eq 0 ] && [ "$avanzi" -eq 0 ] && [ "$caricate" -eq "$tot" ]
