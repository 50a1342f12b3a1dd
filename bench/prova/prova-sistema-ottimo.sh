#!/bin/sh
# The table of docs/sistema-ottimo.md: the best system against the N-1 table
# on the real coupons of a season (Serie A and Serie B as shipped).
#
#   bench/prova/prova-sistema-ottimo.sh [ANNO]
#
# Needs build/apps/veltra-cli and build/bench/veltra-prova-ottimo (a build
# configured with -DVELTRA_BENCH=ON). A fresh working folder is made in a
# temporary directory from the shipped data and removed at the end.
set -eu
radice=$(cd "$(dirname "$0")/../.." && pwd)
anno=${1:-2025}
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
"$radice/build/apps/veltra-cli" verifica --cartella "$cartella" > /dev/null
"$radice/build/bench/veltra-prova-ottimo" "$cartella" "$anno"
