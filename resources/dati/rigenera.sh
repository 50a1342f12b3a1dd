#!/usr/bin/env bash
# Regenerates the shipped championship files (the 38 *.VLT files beside this
# script) from the raw public results, with veltra-cli importa. Run by
# developers when the sources or the importer change; never by the build.
#
#   resources/dati/rigenera.sh [SORGENTI] [VELTRA_CLI]
#
# SORGENTI defaults to ../shared/data beside the repository (the layout is
# described in FONTI.md); VELTRA_CLI to build/apps/veltra-cli. The reports of
# the imports go to resources/dati/rapporti/ (not committed) for checking.
set -euo pipefail
QUI=$(cd "$(dirname "$0")" && pwd)
RADICE=$(cd "$QUI/../.." && pwd)
SORGENTI=$(cd "${1:-$RADICE/../shared/data}" && pwd)
CLI=${2:-$RADICE/build/apps/veltra-cli}
[ -x "$CLI" ] || { echo "rigenera: $CLI non trovato: compilare prima veltra-cli" >&2; exit 1; }

LAVORO=$(mktemp -d)
trap 'rm -rf "$LAVORO"' EXIT
RAPPORTI=$QUI/rapporti
mkdir -p "$RAPPORTI"

# Every season of one league key in the Football.TXT cache, in any folder.
wfb() {
    find "$SORGENTI/wfb" -name "$1.txt" | sort
}

# The Football.TXT files of a key, without the seasons listed after it
# (folder names), which are taken whole from the CSV cache instead.
wfb_senza() {
    local chiave=$1; shift
    local f escluso salta
    for f in $(wfb "$chiave"); do
        salta=0
        for escluso in "$@"; do
            [ "$(basename "$(dirname "$f")")" = "$escluso" ] && salta=1
        done
        [ $salta -eq 0 ] && echo "$f"
    done
}

csv() { echo "$SORGENTI/fdcache/$1/$2.csv"; }

importa() {
    local codice=$1; shift
    "$CLI" importa --cartella "$LAVORO" --campionato "$codice" --alias "$QUI/alias-squadre.tsv" \
        "$@" >"$RAPPORTI/$codice.txt"
    tail -n 1 "$RAPPORTI/$codice.txt"
}

# Serie C1 and Serie C2 have no public source: they stay without seasons.
importa A  $(wfb it.1)
importa B  $(wfb it.2)
importa AU $(wfb at.1)
importa BE $(wfb be.1)
importa DA $(wfb dk.1)
importa FR $(wfb fr.1)
importa GE $(wfb de.1)
importa IN $(wfb eng.1)
importa NL $(wfb nl.1)
importa PO $(wfb pt.1)
# The Football.TXT cache lacks the rounds after the split of 2023-24.
importa SC $(wfb_senza sco.1 2023-24) "$(csv 2023-24 sco.1)"
importa SP $(wfb es.1)
# Seasons the Football.TXT cache holds only partly come from the CSV cache.
importa CH $(wfb_senza ch.1 2019-20) "$(csv 2019-20 ch.1)"
importa FI $(wfb_senza fi.1 2020) "$(csv 2020 fi.1)"
importa NO $(wfb_senza no.1 2020) "$(csv 2020 no.1)"
importa SV $(wfb_senza se.1 2020) "$(csv 2020 se.1)"
importa RU $(wfb_senza ru.1 2019-20) "$(csv 2019-20 ru.1)"

cp "$LAVORO"/*.VLT "$QUI"/
echo "rigenera: 38 file scritti in $QUI"
