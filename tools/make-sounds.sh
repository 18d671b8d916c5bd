#!/usr/bin/env bash
# Generates every sound clip used by VANTORELLE into assets/Sounds.
#
#   assets/Sounds/Referee/Score/0..180.wav   score calls ("no score", "sixty", ...)
#   assets/Sounds/Referee/General/*.wav      Game on / Bullseye / leg, set, match
#   assets/Sounds/Dart/Clean1..5.wav         dart landing in the sisal
#   assets/Sounds/Dart/Clash1..5.wav         dart hitting a dart already in the board
#   assets/Sounds/Dart/Bounce.wav            dart bouncing off the wire and dropping
#
# Tools: espeak-ng (voice) and sox (synthesis, editing). Output format for all
# clips: 16 kHz, mono, 16-bit signed PCM WAV. The script is idempotent: it wipes
# and rebuilds the three output folders, and sox runs in repeatable mode (-R) so
# the noise-based sounds come out byte-identical on every run.
set -euo pipefail

for tool in espeak-ng sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "make-sounds: '$tool' not found" >&2; exit 1; }
done

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/assets/Sounds"
SCORE_DIR="$OUT/Referee/Score"
GENERAL_DIR="$OUT/Referee/General"
DART_DIR="$OUT/Dart"

TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

RATE=16000
# Output format options, placed in front of every output file name.
FMT=(-r "$RATE" -c 1 -b 16 -e signed-integer)
SOX=(sox -R -V1)

rm -rf "$SCORE_DIR" "$GENERAL_DIR" "$DART_DIR"
mkdir -p "$SCORE_DIR" "$GENERAL_DIR" "$DART_DIR"

# ---------------------------------------------------------------------------
# Referee voice
# ---------------------------------------------------------------------------

# British English male voice, a little slower and lower than the default,
# which gets close to the measured delivery of a darts caller.
VOICE="en-gb+m3"
SPEED=150
PITCH=38
AMPLITUDE=120

ONES=(zero one two three four five six seven eight nine ten eleven twelve
      thirteen fourteen fifteen sixteen seventeen eighteen nineteen)
TENS=("" "" twenty thirty forty fifty sixty seventy eighty ninety)

# number_words N  ->  British wording for 1..199 ("one hundred and twenty six")
number_words() {
    local n=$1 out=""
    if (( n >= 100 )); then
        out="${ONES[n / 100]} hundred"
        n=$(( n % 100 ))
        (( n == 0 )) && { echo "$out"; return; }
        out+=" and "
    fi
    if (( n < 20 )); then
        out+="${ONES[n]}"
    else
        out+="${TENS[n / 10]}"
        (( n % 10 )) && out+=" ${ONES[n % 10]}"
    fi
    echo "$out"
}

# finish_voice RAW OUT
# Trims the synthesiser's leading/trailing silence, adds a touch of room,
# converts to the game format, normalises to -3 dBFS and leaves 50 ms of
# silence at the start and 80 ms at the end, so very short calls ("eight")
# are not over before the player has registered them.
finish_voice() {
    local raw=$1 out=$2
    "${SOX[@]}" "$raw" "${FMT[@]}" "$out" \
        silence 1 0.005 0.1% reverse silence 1 0.005 0.1% reverse \
        bass +3 200 \
        reverb 15 50 30 100 0 0 \
        silence 1 0.005 0.05% reverse silence 1 0.005 0.05% reverse \
        rate -v "$RATE" \
        norm -3 \
        pad 0.05 0.08
}

# say OUT TEXT [extra espeak-ng options...]
say() {
    local out=$1 text=$2
    shift 2
    local raw="$TMP/voice.wav"
    espeak-ng -v "$VOICE" -s "$SPEED" -p "$PITCH" -a "$AMPLITUDE" "$@" -w "$raw" "$text"
    finish_voice "$raw" "$out"
}

# Score calls. 0 is "no score"; 180 gets the long, drawn-out call.
say "$SCORE_DIR/0.wav" "no score"
for (( n = 1; n < 180; n++ )); do
    say "$SCORE_DIR/$n.wav" "$(number_words "$n")"
done

# The maximum is rendered in two pieces: a deliberate "one hundred and",
# then a high, loud "eighty!" spoken at the slowest speed the synthesiser
# allows and stretched further (pitch kept) so the last word is drawn out
# the way callers do it.
trim=(silence 1 0.005 0.1% reverse silence 1 0.005 0.1% reverse)
espeak-ng -v "$VOICE" -s 130 -p 42 -a 140 -w "$TMP/max1.wav" "one hundred and"
espeak-ng -v "$VOICE" -s 80 -p 62 -a 180 -w "$TMP/max2.wav" "eighty!"
"${SOX[@]}" "$TMP/max1.wav" "$TMP/max1t.wav" "${trim[@]}" pad 0 0.06
"${SOX[@]}" "$TMP/max2.wav" "$TMP/max2t.wav" "${trim[@]}" tempo -s 0.68
"${SOX[@]}" "$TMP/max1t.wav" "$TMP/max2t.wav" "$TMP/max.wav"
finish_voice "$TMP/max.wav" "$SCORE_DIR/180.wav"

say "$GENERAL_DIR/Game.wav"     "Game on!"
say "$GENERAL_DIR/Bullseye.wav" "Bullseye!"
say "$GENERAL_DIR/Leg.wav"      "Game, shot, and the leg!"
say "$GENERAL_DIR/Set.wav"      "Game, shot, and the set!"
say "$GENERAL_DIR/Match.wav"    "Game, shot, and the match!"

# ---------------------------------------------------------------------------
# Dart sounds (pure synthesis)
# ---------------------------------------------------------------------------

# noise_burst OUT LEN COLOUR HIGHPASS LOWPASS GAIN_DB
# Band-limited noise with a fast, roughly exponential decay (two stacked
# logarithmic fade-outs) -- the "chuff" of the barrel pushing into sisal.
noise_burst() {
    local out=$1 len=$2 colour=$3 hp=$4 lp=$5 gain=$6
    "${SOX[@]}" -n "${FMT[@]}" "$out" synth "$len" "$colour" \
        highpass "$hp" lowpass "$lp" \
        fade l 0.001 "$len" "$len" fade l 0 "$len" "$len" \
        gain "$gain"
}

# tone OUT LEN TYPE FREQ GAIN_DB [DECAY]
# A single decaying partial. FREQ may be a sweep in sox syntax ("160:80").
# DECAY (default LEN) is how long the fade-out takes; shorter = deader.
tone() {
    local out=$1 len=$2 type=$3 freq=$4 gain=$5 decay=${6:-$2}
    "${SOX[@]}" -n "${FMT[@]}" "$out" synth "$len" "$type" "$freq" \
        fade l 0.0008 "$len" "$decay" fade l 0 "$len" "$decay" \
        gain "$gain"
}

# mix OUT IN... -- sums inputs (no auto-scaling), normalises to NORM_DB.
NORM_DB=-4
mix() {
    local out=$1
    shift
    local args=()
    local f
    for f in "$@"; do args+=(-v 1 "$f"); done
    if (( $# == 1 )); then
        "${SOX[@]}" "$1" "${FMT[@]}" "$out" norm "$NORM_DB"
    else
        "${SOX[@]}" -m "${args[@]}" "${FMT[@]}" "$out" norm "$NORM_DB"
    fi
}

# thud_layers PREFIX LEN BODY_FREQ CHUFF_LP CLICK_HP
# Builds the three layers of a clean hit into PREFIX-*.wav:
#   click  - a 4 ms tick of the steel point breaking the surface
#   chuff  - low-passed noise burst of the barrel stopping in the fibres
#   body   - a low sine sweeping down, the board itself "thumping"
thud_layers() {
    local p=$1 len=$2 body=$3 lp=$4 hp=$5
    tone        "$p-body.wav"  "$len" sine "$body:$(( body * 6 / 10 ))" -3 "$len"
    noise_burst "$p-chuff.wav" "$len" pinknoise 180 "$lp" -6
    noise_burst "$p-click.wav" 0.006 whitenoise "$hp" 7000 -10
}

# Clean hits: five slightly different landings.
#            len   body  chuffLP clickHP
CLEAN=( "0.150 150 2200 2500"
        "0.170 135 1900 2200"
        "0.135 165 2600 2900"
        "0.185 125 1700 2000"
        "0.160 145 2400 2700" )
for i in 1 2 3 4 5; do
    read -r len body lp hp <<<"${CLEAN[i - 1]}"
    p="$TMP/clean$i"
    thud_layers "$p" "$len" "$body" "$lp" "$hp"
    mix "$DART_DIR/Clean$i.wav" "$p-body.wav" "$p-chuff.wav" "$p-click.wav"
done

# clink PREFIX LEN F1 F2 F3 F4 F5
# Inharmonic steel-on-steel partials; the higher ones die away faster.
clink_layers() {
    local p=$1 len=$2
    shift 2
    local k=0 f decay gain
    for f in "$@"; do
        k=$(( k + 1 ))
        # each partial a bit quieter and shorter than the one below it
        decay=$(awk -v l="$len" -v k="$k" 'BEGIN { printf "%.3f", l / (0.8 + 0.35 * k) }')
        gain=$(( -6 - 2 * k ))
        tone "$p-p$k.wav" "$len" sine "$f" "$gain" "$decay"
    done
}

# Clashes: a short clink over a softer thud.
#            len   body  F1   F2   F3   F4   F5
CLASH=( "0.260 150 2330 3710 4980 6260 7150"
        "0.300 140 2610 3890 5420 6030 7310"
        "0.240 160 2140 3380 4620 5870 6940"
        "0.320 135 2870 4150 5160 6480 7380"
        "0.280 155 2480 3560 4790 5990 7020" )
for i in 1 2 3 4 5; do
    read -r len body f1 f2 f3 f4 f5 <<<"${CLASH[i - 1]}"
    p="$TMP/clash$i"
    thud_layers "$p" 0.150 "$body" 2000 2600
    clink_layers "$p" "$len" "$f1" "$f2" "$f3" "$f4" "$f5"
    # the thud goes in quieter: the metal is what the player should notice
    "${SOX[@]}" -m -v 0.5 "$p-body.wav" -v 0.5 "$p-chuff.wav" -v 0.8 "$p-click.wav" \
        "${FMT[@]}" "$p-thud.wav"
    mix "$DART_DIR/Clash$i.wav" "$p-thud.wav" \
        "$p-p1.wav" "$p-p2.wav" "$p-p3.wav" "$p-p4.wav" "$p-p5.wav"
done

# Bounce: a bright ping off the wire, then ~300 ms later the dart clatters
# on the floor -- two small knocks and a soft thud as it settles.
p="$TMP/bounce"
clink_layers "$p" 0.240 3120 4470 5830 6690 7240
noise_burst "$p-wire.wav" 0.006 whitenoise 3000 7500 -8
"${SOX[@]}" -m "$p-p1.wav" "$p-p2.wav" "$p-p3.wav" "$p-p4.wav" "$p-p5.wav" "$p-wire.wav" \
    "${FMT[@]}" "$p-ping.wav"
tone        "$p-k1a.wav" 0.045 sine 1750 -10 0.030
noise_burst "$p-k1b.wav" 0.030 whitenoise 900 5000 -12
"${SOX[@]}" -m "$p-k1a.wav" "$p-k1b.wav" "${FMT[@]}" "$p-knock1.wav" pad 0.300 0
tone        "$p-k2a.wav" 0.035 sine 1980 -16 0.022
noise_burst "$p-k2b.wav" 0.025 whitenoise 900 5000 -17
"${SOX[@]}" -m "$p-k2a.wav" "$p-k2b.wav" "${FMT[@]}" "$p-knock2.wav" pad 0.395 0
tone        "$p-fa.wav" 0.120 sine "210:120" -12 0.100
noise_burst "$p-fb.wav" 0.110 pinknoise 150 1800 -14
"${SOX[@]}" -m "$p-fa.wav" "$p-fb.wav" "${FMT[@]}" "$p-fall.wav" pad 0.470 0
"${SOX[@]}" -m -v 1 "$p-ping.wav" -v 1 "$p-knock1.wav" -v 1 "$p-knock2.wav" -v 1 "$p-fall.wav" \
    "${FMT[@]}" "$p-all.wav"
# the clatter levels above sit well below the ping; bring the whole clip up
mix "$DART_DIR/Bounce.wav" "$p-all.wav"

echo "make-sounds: wrote $(find "$OUT" -name '*.wav' | wc -l) clips to $OUT"
