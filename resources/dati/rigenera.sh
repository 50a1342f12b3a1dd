#!/usr/bin/env bash
# Regenerates the shipped championship files (the 38 *.VLT files beside this
# script, the goals and dates of their matches in Reti-*.txt, and the fixtures
# still to be played of the current seasons in Calendario-*.txt) from public
# results with a clear licence, with veltra-cli importa.
# Run by developers when the sources or the importer change; never by the
# build. Which source gives which season, and why, is in FONTI.md.
#
#   resources/dati/rigenera.sh [SORGENTI] [VELTRA_CLI]
#
# SORGENTI defaults to ../shared/data beside the repository, with the folders
# fdcache/ (football-data.co.uk results, CC0), engsoccerdata/ (GPL-2.0-or-later),
# soccerdata/ (CC0) and openfootball/ (public domain); VELTRA_CLI to
# build/apps/veltra-cli. The reports of the imports go to
# resources/dati/rapporti/ (not committed) for checking.
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

# The football-data CSV files of a league key, for the seasons from the one
# labelled $2 to the one labelled $3 (folder names, "1993-94" or "2012").
fd() {
    local chiave=$1 da=$2 a=$3 d
    for d in $(cd "$SORGENTI/fdcache" && ls -d */ | tr -d / | sort); do
        [[ "$d" < "$da" || "$d" > "$a" ]] && continue
        [ -f "$SORGENTI/fdcache/$d/$chiave.csv" ] && echo "$SORGENTI/fdcache/$d/$chiave.csv"
    done
    return 0
}

# openfootball files, by their path under openfootball/.
of() {
    local f
    for f in "$@"; do echo "$SORGENTI/openfootball/$f"; done
}

esd() { echo "$SORGENTI/engsoccerdata/data-raw/$1.csv"; }

# importa CODE [FILE... | --dal Y --al Y FILE]...: one import per group of
# files, separated by "+", in the order of their seasons.
importa() {
    local codice=$1; shift
    local gruppo=() n=0
    rm -f "$RAPPORTI/$codice.txt"
    for x in "$@" +; do
        if [ "$x" = + ]; then
            n=$((n + 1))
            "$CLI" importa --cartella "$LAVORO" --campionato "$codice" \
                --alias "$QUI/alias-squadre.tsv" "${gruppo[@]}" >>"$RAPPORTI/$codice.txt"
            gruppo=()
        else
            gruppo+=("$x")
        fi
    done
    tail -n 1 "$RAPPORTI/$codice.txt"
}

# Serie C1 and Serie C2 have no public source: they stay without seasons.
importa A  --dal 1961 --al 1992 "$(esd italy)" + $(fd it.1 1993-94 2023-24) \
           $(of italy/2024-25/1-seriea.txt italy/2025-26/1-seriea.txt italy/2026-27/1-seriea.txt)
importa B  $(fd it.2 1997-98 2023-24) $(of italy/2024-25/2-serieb.txt italy/2025-26/2-serieb.txt)
importa AU $(fd at.1 2012-13 2023-24) \
           $(of austria/2024-25/1-bundesliga.txt austria/2025-26/1-bundesliga.txt)
importa BE $(fd be.1 1995-96 2023-24) \
           $(of europe/belgium/2024-25_be1.txt europe/belgium/2025-26_be1.txt)
importa DA $(fd dk.1 2012-13 2023-24) $(of europe/denmark/2024-25_dk1.txt)
importa FR $(fd fr.1 1993-94 2023-24) \
           $(of europe/france/2024-25_fr1.txt europe/france/2025-26_fr1.txt \
                europe/france/2026-27_fr1.txt)
importa GE --dal 1992 --al 1992 "$(esd germany)" + $(fd de.1 1993-94 2023-24) \
           $(of deutschland/2024-25/1-bundesliga.txt deutschland/2025-26/1-bundesliga.txt \
                deutschland/2026-27/1-bundesliga.txt)
importa IN "$SORGENTI/soccerdata/1900s/1992-93/eng.1.csv" $(fd eng.1 1993-94 2023-24) \
           $(of england/2024-25/1-premierleague.txt england/2025-26/1-premierleague.txt \
                england/2026-27/1-premierleague.txt)
importa NL $(fd nl.1 1993-94 2023-24) \
           $(of europe/netherlands/2024-25_nl1.txt europe/netherlands/2025-26_nl1.txt)
importa PO $(fd pt.1 1994-95 2023-24) \
           $(of europe/portugal/2024-25_pt1.txt europe/portugal/2025-26_pt1.txt)
importa SC $(fd sco.1 1994-95 2023-24) \
           $(of europe/scotland/2024-25_sco1.txt europe/scotland/2025-26_sco1.txt)
importa SP $(fd es.1 1993-94 2023-24) \
           $(of espana/2024-25/1-liga.txt espana/2025-26/1-liga.txt espana/2026-27/1-liga.txt)
importa CH $(fd ch.1 2012-13 2023-24) $(of europe/switzerland/2024-25_ch1.txt)
# The football-data file of 2024 stops in spring: the season comes from openfootball.
importa FI $(fd fi.1 2012 2023) $(of europe/finland/2024_fi1.txt europe/finland/2025_fi1.txt)
importa NO $(fd no.1 2012 2023) $(of europe/norway/2024_no1.txt europe/norway/2025_no1.txt)
importa SV $(fd se.1 2012 2023) $(of europe/sweden/2024_se1.txt europe/sweden/2025_se1.txt)
importa RU $(fd ru.1 2012-13 2023-24) $(of europe/russia/2024-25_ru1.txt)

rm -f "$QUI"/Calendario-*.txt
cp "$LAVORO"/*.VLT "$LAVORO"/Reti-*.txt "$QUI"/
# The calendars of the seasons under way now. The sources of the other
# championships stop in a season long over: their fixtures without a score
# were played meanwhile, and are not shipped as still to be played.
for codice in A IN GE FR SP; do
    cp "$LAVORO/Calendario-$codice.txt" "$QUI"/
done
echo "rigenera: 38 file dei campionati, i file delle reti e i calendari scritti in $QUI"
