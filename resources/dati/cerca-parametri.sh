#!/usr/bin/env bash
# Searches, one parameter at a time, the parameters of a model that give the
# lowest ranked probability score walking forward through some seasons, with
# veltra-cli valuta. Run by hand (never by the build or the tests) to choose
# the defaults on seasons before the ones the figures are then measured on.
#
#   resources/dati/cerca-parametri.sh MODELLO DAL AL CAMPIONATO... -- NOME=VALORI...
#
# e.g. cerca-parametri.sh rating 2014-15 2018-19 A IN -- decadimento=0.0015/0.0025/0.004 rho=0/-0.06/-0.12
# Each NOME is tried with each of its VALORI (separated by /), the others kept at their best so
# far; the score is the mean of the championships' overall rps_modello. Prints
# every trial and, last, the best settings. VELTRA_CLI and CARTELLA choose the
# program and the working folder (default: build/apps/veltra-cli and a folder
# made from the shipped data).
set -euo pipefail
QUI=$(cd "$(dirname "$0")" && pwd)
RADICE=$(cd "$QUI/../.." && pwd)
CLI=${VELTRA_CLI:-$RADICE/build/apps/veltra-cli}
CARTELLA=${CARTELLA:-$(mktemp -d)}
MODELLO=$1 DAL=$2 AL=$3
shift 3
CAMPIONATI=()
while [ "$1" != "--" ]; do CAMPIONATI+=("$1"); shift; done
shift
declare -A MIGLIORE
ORDINE=()
for p in "$@"; do
    nome=${p%%=*}
    ORDINE+=("$nome")
    MIGLIORE[$nome]=""
done

punteggio() {
    local imposta=() n
    for n in "${ORDINE[@]}"; do
        [ -n "${MIGLIORE[$n]}" ] && imposta+=(--imposta "$n=${MIGLIORE[$n]}")
    done
    local somma=0 c r
    for c in "${CAMPIONATI[@]}"; do
        r=$("$CLI" valuta --cartella "$CARTELLA" --campionato "$c" --dal "$DAL" --al "$AL" \
            --modello "$MODELLO" "${imposta[@]}" "$@" | grep '^totale=1' |
            tr ' ' '\n' | sed -n 's/^rps_modello=//p')
        [ "$r" = "-" ] && r=1
        somma=$(echo "$somma + $r" | bc -l)
    done
    echo "scale=6; $somma / ${#CAMPIONATI[@]}" | bc -l
}

meglio=$(punteggio)
echo "iniziale rps=$meglio"
for p in "$@"; do
    nome=${p%%=*}
    for v in $(echo "${p#*=}" | tr '/' ' '); do
        vecchio=${MIGLIORE[$nome]}
        MIGLIORE[$nome]=$v
        r=$(punteggio)
        echo "$nome=$v rps=$r"
        if (( $(echo "$r < $meglio" | bc -l) )); then meglio=$r; else MIGLIORE[$nome]=$vecchio; fi
    done
done
echo -n "migliore rps=$meglio"
for n in "${ORDINE[@]}"; do [ -n "${MIGLIORE[$n]}" ] && echo -n " $n=${MIGLIORE[$n]}"; done
echo
