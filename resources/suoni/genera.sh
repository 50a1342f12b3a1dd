#!/bin/sh
# Makes the dictation sounds once, at development time: Italian speech for
# the sign codes (espeak-ng) and a short tone for the hidden column (sox).
# Needs espeak-ng and sox (apt-get install espeak-ng sox); the program only
# plays the committed files.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
parla() { # file text
    espeak-ng -v it -s 150 -w "$tmp/$1" "$2"
    # 16-bit mono 22050 Hz, the leading and trailing silence cut
    sox "$tmp/$1" -r 22050 -c 1 -b 16 "$1" silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse
}
parla uno.wav "uno"
parla due.wav "due"
parla ics.wav "ics"
parla unoics.wav "uno ics"
parla icsdue.wav "ics due"
parla unodue.wav "uno due"
parla unoicsdue.wav "uno ics due"
sox -n -r 22050 -c 1 -b 16 suono.wav synth 0.25 sine 880 fade q 0.01 0.25 0.08 vol 0.6
