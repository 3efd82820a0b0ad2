#!/usr/bin/env bash
# Generates the program's sounds into resources/: short 16-bit PCM mono WAV
# files at 22050 Hz, made from tones, plucks and sweeps with sox.
# The files are committed; run this again only to change a sound.
set -euo pipefail
cd "$(dirname "$0")/.."
out="resources"
mkdir -p "$out"

if ! command -v sox >/dev/null 2>&1; then
  echo "Installing sox"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq sox
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Work at 44100 Hz (the plucked-string synth needs it), write at 22050 Hz.
FMT=(-R -r 44100 -c 1 -b 16 -e signed-integer)
OUTFMT=(-R -r 22050 -c 1 -b 16 -e signed-integer)

# tone FILE LENGTH WAVE FREQ [VOLUME]: one note with a soft start and end.
tone() {
  local file="$1" len="$2" wave="$3" freq="$4" vol="${5:-0.5}"
  sox "${FMT[@]}" -n "$file" synth "$len" "$wave" "$freq" fade q 0.005 "$len" "$(awk "BEGIN{print $len/2}")" vol "$vol"
}
# pluck FILE LENGTH NOTE [VOLUME]: a plucked-string note.
pluck() {
  local file="$1" len="$2" note="$3" vol="${4:-0.6}"
  sox "${FMT[@]}" -n "$file" synth "$len" pluck "$note" fade q 0.002 "$len" "$(awk "BEGIN{print $len*0.6}")" vol "$vol"
}
# sweep FILE LENGTH WAVE FROM TO [VOLUME]: a gliding tone.
sweep() {
  local file="$1" len="$2" wave="$3" from="$4" to="$5" vol="${6:-0.45}"
  sox "${FMT[@]}" -n "$file" synth "$len" "$wave" "$from:$to" fade q 0.01 "$len" 0.08 vol "$vol"
}
# join OUT PARTS...: one part after the other.
join() { local o="$1"; shift; sox "$@" "${FMT[@]}" "$o"; }
# chord OUT PARTS...: the parts sounding together.
chord() { local o="$1"; shift; sox -m "$@" "${FMT[@]}" "$o" norm -3; }
# final NAME SOURCE [PEAK]: levels the sound (peak in dB, -6 unless given),
# trims the trailing silence and writes the resource.
final() { sox "$2" "${OUTFMT[@]}" "$out/$1" norm "${3:--6}" reverse silence 1 0.005 0.1% reverse; }

# Start-up: a rising major arpeggio that rings out.
pluck "$tmp/a1.wav" 0.14 C5; pluck "$tmp/a2.wav" 0.14 E5; pluck "$tmp/a3.wav" 0.14 G5; pluck "$tmp/a4.wav" 0.7 C6
join "$tmp/avvio.wav" "$tmp/a1.wav" "$tmp/a2.wav" "$tmp/a3.wav" "$tmp/a4.wav"
final avvio.wav "$tmp/avvio.wav"

# Add: a bright upward pop of two notes.
pluck "$tmp/g1.wav" 0.08 G5; pluck "$tmp/g2.wav" 0.25 C6
join "$tmp/aggiungi.wav" "$tmp/g1.wav" "$tmp/g2.wav"
final aggiungi.wav "$tmp/aggiungi.wav"

# Error: two low, falling square tones, softened.
tone "$tmp/e1.wav" 0.16 square 220 0.25; tone "$tmp/e2.wav" 0.26 square 175 0.25
join "$tmp/e.wav" "$tmp/e1.wav" "$tmp/e2.wav"
sox "$tmp/e.wav" "${FMT[@]}" "$tmp/errore.wav" lowpass 1800
final errore.wav "$tmp/errore.wav" -9

# Information: a soft two-note bell, falling a third.
tone "$tmp/i1.wav" 0.15 sine 1319; tone "$tmp/i2.wav" 0.3 sine 1047
join "$tmp/info.wav" "$tmp/i1.wav" "$tmp/i2.wav"
final info.wav "$tmp/info.wav"

# Clicks: very short ticks, high and lower.
tone "$tmp/c1.wav" 0.03 sine 2400 0.6; final clic1.wav "$tmp/c1.wav" -8
tone "$tmp/c2.wav" 0.045 triangle 1200 0.6; final clic2.wav "$tmp/c2.wav" -8

# Equivalence: the same note twice, higher (multiply) or lower (divide).
tone "$tmp/q1.wav" 0.1 sine 880; tone "$tmp/q2.wav" 0.2 sine 1760
join "$tmp/equiv1.wav" "$tmp/q1.wav" "$tmp/q2.wav"
final equiv1.wav "$tmp/equiv1.wav"
tone "$tmp/q3.wav" 0.1 sine 880; tone "$tmp/q4.wav" 0.2 sine 440
join "$tmp/equiv2.wav" "$tmp/q3.wav" "$tmp/q4.wav"
final equiv2.wav "$tmp/equiv2.wav"

# Group: three quick notes that close on one chord.
pluck "$tmp/r1.wav" 0.07 E5; pluck "$tmp/r2.wav" 0.07 G5
pluck "$tmp/r3.wav" 0.35 C5; pluck "$tmp/r4.wav" 0.35 E5; pluck "$tmp/r5.wav" 0.35 G5
chord "$tmp/rc.wav" "$tmp/r3.wav" "$tmp/r4.wav" "$tmp/r5.wav"
join "$tmp/raggruppa.wav" "$tmp/r1.wav" "$tmp/r2.wav" "$tmp/rc.wav"
final raggruppa.wav "$tmp/raggruppa.wav"

# Split: a chord that breaks into falling single notes.
pluck "$tmp/s1.wav" 0.12 C5; pluck "$tmp/s2.wav" 0.12 G5
chord "$tmp/sc.wav" "$tmp/s1.wav" "$tmp/s2.wav"
pluck "$tmp/s3.wav" 0.09 G5; pluck "$tmp/s4.wav" 0.09 E5; pluck "$tmp/s5.wav" 0.25 C5
join "$tmp/separa.wav" "$tmp/sc.wav" "$tmp/s3.wav" "$tmp/s4.wav" "$tmp/s5.wav"
final separa.wav "$tmp/separa.wav"

# Zoom: a quick upward glide.
sweep "$tmp/zoom.wav" 0.25 sine 400 1600; final zoom.wav "$tmp/zoom.wav"

# Remove: a downward glide that fades away.
sweep "$tmp/togli.wav" 0.3 triangle 900 180; final togli.wav "$tmp/togli.wav"

# Move: a slide up a fifth and a landing note.
sweep "$tmp/m1.wav" 0.12 sine 392 587 0.4; tone "$tmp/m2.wav" 0.15 sine 587 0.4
join "$tmp/sposta.wav" "$tmp/m1.wav" "$tmp/m2.wav"
final sposta.wav "$tmp/sposta.wav"

# Multiply and divide: three rising or three falling staccato notes.
pluck "$tmp/x1.wav" 0.08 C5; pluck "$tmp/x2.wav" 0.08 E5; pluck "$tmp/x3.wav" 0.25 G5
join "$tmp/moltiplica.wav" "$tmp/x1.wav" "$tmp/x2.wav" "$tmp/x3.wav"
final moltiplica.wav "$tmp/moltiplica.wav"
pluck "$tmp/d1.wav" 0.08 G5; pluck "$tmp/d2.wav" 0.08 E5; pluck "$tmp/d3.wav" 0.25 C5
join "$tmp/dividi.wav" "$tmp/d1.wav" "$tmp/d2.wav" "$tmp/d3.wav"
final dividi.wav "$tmp/dividi.wav"

# The warning beep: one short, clear tone.
tone "$tmp/bip.wav" 0.18 sine 1000 0.5; final bip.wav "$tmp/bip.wav"

ls -l "$out"/*.wav
