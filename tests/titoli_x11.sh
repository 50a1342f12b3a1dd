#!/bin/sh
# Starts the desktop program on a real X server (Xvfb) and reads the window
# titles the window system holds: the program's texts exactly, nothing
# appended. Skipped (77) where Xvfb or the X utilities are missing.
#   titoli_x11.sh PROGRAMMA CARTELLA
programma=$1
cartella=$2
for c in Xvfb xwininfo xprop; do
    command -v "$c" >/dev/null 2>&1 || { echo "manca $c"; exit 77; }
done
rm -rf "$cartella"
mkdir -p "$cartella"
numero="$cartella/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numero" 2>/dev/null &
xvfb=$!
i=0
while [ ! -s "$numero" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
[ -s "$numero" ] || { kill $xvfb; echo "Xvfb non parte"; exit 77; }
DISPLAY=":$(cat "$numero")"
export DISPLAY
QT_QPA_PLATFORM=xcb "$programma" --cartella "$cartella/dati" >/dev/null 2>&1 &
veltra=$!
titoli=""
i=0
while [ $i -lt 300 ]; do
    titoli=$(xwininfo -root -tree 2>/dev/null | awk '$1 ~ /^0x/ {print $1}' | while read -r id; do
        xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
    done)
    printf '%s\n' "$titoli" | grep -qx 'VELTRA 2005 - MARVEN 9 - TALBOR 6' && break
    sleep 0.2
    i=$((i + 1))
done
kill $veltra 2>/dev/null
wait $veltra 2>/dev/null
kill $xvfb 2>/dev/null
wait $xvfb 2>/dev/null
echo "titoli:"
printf '%s\n' "$titoli"
printf '%s\n' "$titoli" | grep -qx 'VELTRA 2005 - MARVEN 9 - TALBOR 6' || {
    echo "il titolo della finestra principale non e' quello del programma"; exit 1; }
if printf '%s\n' "$titoli" | grep -q ' — '; then
    echo "un titolo porta un'aggiunta del sistema"; exit 1
fi
exit 0
