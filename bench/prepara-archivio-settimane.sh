#!/bin/sh
# Builds a working folder with a real archive of weeks for the strategy search
# and its benchmark: the shipped championship data, then football-data odds
# files turned into weekly odds files (importa-quote, probabilities of the
# model with the data cut before each week) and filed with their results
# under QUOTE-ESPORTATE/<BOOKMAKER> (archivia-settimane).
#
#   bench/prepara-archivio-settimane.sh ODDS_DIR DEST [BOOKMAKER] [QUOTE]
#
# ODDS_DIR  a folder of football-data CSV files (every *.csv in it is read)
# DEST      the working folder to create (must not exist or be empty)
# BOOKMAKER the archive folder (default ALTROBOOKMAKER)
# QUOTE     the odds set of importa-quote (default media)
#
# VELTRA_CLI names the veltra-cli to use (default build-x/apps/veltra-cli,
# then build/apps/veltra-cli, next to this script's repository).
# The benchmark reads the folder through VELTRA_ARCHIVIO_SETTIMANE=DEST.
set -eu
if [ $# -lt 2 ]; then
    echo "uso: $0 CARTELLA_QUOTE_CSV DESTINAZIONE [BOOKMAKER] [QUOTE]" >&2
    exit 2
fi
origine=$1
destinazione=$2
bookmaker=${3:-ALTROBOOKMAKER}
quote=${4:-media}
radice=$(cd "$(dirname "$0")/.." && pwd)
cli=${VELTRA_CLI:-}
if [ -z "$cli" ]; then
    for c in "$radice/build-x/apps/veltra-cli" "$radice/build/apps/veltra-cli"; do
        if [ -x "$c" ]; then cli=$c; break; fi
    done
fi
[ -n "$cli" ] && [ -x "$cli" ] || { echo "veltra-cli non trovato (VELTRA_CLI)" >&2; exit 1; }
[ -d "$origine" ] || { echo "non e' una cartella: $origine" >&2; exit 1; }
if [ -e "$destinazione" ] && [ -n "$(ls -A "$destinazione")" ]; then
    echo "la destinazione esiste e non e' vuota: $destinazione" >&2
    exit 1
fi
quo=$destinazione.quo
rm -rf "$quo"
mkdir -p "$destinazione"

# 1. The weekly odds files (the working folder is filled with the shipped
#    data at its first use). Skipped matches are reported on stderr.
set -- "$origine"/*.csv
"$cli" importa-quote --cartella "$destinazione" --destinazione "$quo" --quote "$quote" "$@" \
    2> "$destinazione/importa-quote.log"
# 2. The weeks with their results into the archive of the bookmaker.
"$cli" archivia-settimane --cartella "$destinazione" --quote "$quo" --bookmaker "$bookmaker" \
    2> "$destinazione/archivia-settimane.log"
rm -rf "$quo"
