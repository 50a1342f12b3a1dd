#!/usr/bin/env bash
# The table of docs/previsioni.md: every championship with data walked
# forward through 2019-20 to 2023-24 (2019 to 2023 for the leagues of a
# calendar year) with `veltra-cli valuta`, against the market's average odds
# (margin removed) of the football-data.co.uk files in ODDS_DIR and the base
# rates. Run by hand; the data are the shipped ones.
#
#   bench/misura-previsioni.sh ODDS_DIR [MODELLO]     (MODELLO: migliore, motore, rating-base...)
set -euo pipefail
QUI=$(cd "$(dirname "$0")" && pwd)
RADICE=$(cd "$QUI/.." && pwd)
CLI=${VELTRA_CLI:-$RADICE/build/apps/veltra-cli}
QUOTE=$1
MODELLO=${2:-migliore}
CARTELLA=$(mktemp -d)
trap 'rm -rf "$CARTELLA"' EXIT
cp "$RADICE"/resources/dati/*.VLT "$RADICE"/resources/dati/Reti-*.txt "$CARTELLA"/
declare -A FILE=(
  [A]="Italy Serie A Geral.csv" [B]="Italy Serie B Geral.csv" [IN]="England  Premier League Geral.csv"
  [GE]="Germany Bundesliga Geral.csv" [FR]="France Le Championnat Geral.csv" [SP]="Spain La Liga Geral.csv"
  [NL]="Netherlands Eredivisie Geral.csv" [PO]="Portugal Liga I Geral.csv" [BE]="Belgium Jupiler League Geral.csv"
  [SC]="Scotland Premier League Geral.csv" [AU]="AUT.csv" [DA]="DNK.csv" [FI]="FIN.csv" [NO]="NOR.csv"
  [RU]="RUS.csv" [SV]="SWE.csv" [CH]="SWZ.csv")
campo() { tr ' ' '\n' <<<"$1" | sed -n "s/^$2=//p"; }
echo "| campionato | incontri | RPS modello | RPS base | modello - base | con quote | RPS modello (stessi) | RPS mercato | modello - mercato | log-loss | Brier | centrati | pendenza | pendenza mercato |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
for c in A IN SP GE FR NL PO BE SC B AU CH DA FI NO RU SV; do
    riga=$("$CLI" valuta --cartella "$CARTELLA" --campionato "$c" --dal 2019-20 --al 2023-24 \
        --modello "$MODELLO" --quote "$QUOTE/${FILE[$c]}" 2>/dev/null | grep '^totale=1')
    echo "| $c | $(campo "$riga" n) | $(campo "$riga" rps_modello) | $(campo "$riga" rps_base) |" \
         "$(campo "$riga" diff_rps_base) | $(campo "$riga" n_mercato) | $(campo "$riga" rps_modello_su_mercato) |" \
         "$(campo "$riga" rps_mercato) | $(campo "$riga" diff_rps_mercato) | $(campo "$riga" logloss_modello) |" \
         "$(campo "$riga" brier_modello) | $(campo "$riga" centrati_modello) | $(campo "$riga" pendenza_modello) |" \
         "$(campo "$riga" pendenza_mercato) |"
done
