#!/usr/bin/env bash
# Fits the rating model's parameters of every championship on the seasons up
# to 2018-19 (2018 for the leagues played in a calendar year) and writes the
# table the program is built with, resources/parametri-rating.txt. Run by hand
# (never by the build or the tests); the seasons from 2019-20 on stay out of
# the choice, so `veltra-cli valuta` measures the model on them honestly.
#
#   resources/tara-rating.sh [CAMPIONATI]     (default: tutti; e.g. A,IN)
#
# VELTRA_CLI chooses the program (default build/apps/veltra-cli); the data are
# the shipped ones, in a temporary working folder. The trials go to
# resources/tara-rating.log.
set -euo pipefail
QUI=$(cd "$(dirname "$0")" && pwd)
RADICE=$(cd "$QUI/.." && pwd)
CLI=${VELTRA_CLI:-$RADICE/build/apps/veltra-cli}
CAMPIONATI=${1:-tutti}
CARTELLA=$(mktemp -d)
trap 'rm -rf "$CARTELLA"' EXIT
cp "$QUI"/dati/*.VLT "$QUI"/dati/Reti-*.txt "$CARTELLA"/
"$CLI" tara-rating --cartella "$CARTELLA" --campionato "$CAMPIONATI" --dal 2014-15 --al 2018-19 \
    --giri 2 --scrivi "$QUI/parametri-rating.txt" | tee "$QUI/tara-rating.log"
