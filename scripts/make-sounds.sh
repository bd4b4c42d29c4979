#!/usr/bin/env bash
# Makes the table's sounds into src/resources/sounds/: the 13 game sounds synthesised with sox,
# the 20 chatter sounds synthesised or spoken by espeak-ng. Run by hand after changing a recipe
# and commit the .wav files; the build only embeds them. Needs sox and espeak-ng.
#
# Every file is mono 16-bit PCM: game sounds at 22050 Hz and trimmed to their exact lengths,
# chatter at 16000 Hz. Each is brought to about the same loudness, its peaks kept below -1 dBFS.
# sox runs in repeatable mode (-R), so the noise and the files come out the same every time, and
# guarded (-G), so no effect clips on the way.
set -euo pipefail
cd "$(dirname "$0")/.."
out=src/resources/sounds
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

GAME_RATE=22050
WORK_RATE=44100
CHAT_RATE=16000
# Working files: float, so nothing clips before the level is set at the end.
W=(-r "$WORK_RATE" -c 1 -e floating-point -b 32)

# gen FILE [-c N] SOX-ARGS...: a new working file from nothing (synth); with -c N, synth makes N
# channels, which the recipe mixes down to one with remix.
gen() {
  local f=$1 ch=1; shift
  if [ "${1:-}" = "-c" ]; then ch=$2; shift 2; fi
  # A synth of length 0 would run for ever and fill the disk.
  if [ "$1" != synth ] || ! awk -v l="$2" 'BEGIN { exit !(l > 0 && l < 10) }'; then
    echo "make-sounds.sh: $f: synth needs a length, got '$2'" >&2; exit 1
  fi
  sox -R -r "$WORK_RATE" -c "$ch" -n "${W[@]}" "$tmp/$f.wav" "$@"
}
# fx IN OUT EFFECTS...: an effect chain from one working file to another.
fx() { local i=$1 o=$2; shift 2; sox -R -G "$tmp/$i.wav" "${W[@]}" "$tmp/$o.wav" "$@"; }
# at SECONDS IN OUT: the sound starting later.
at() { fx "$2" "$3" pad "$1"; }
# mix OUT IN...: the inputs played together.
mix() { local o=$1; shift; local args=(); for f in "$@"; do args+=("$tmp/$f.wav"); done
        sox -R -G -m "${args[@]}" "${W[@]}" "$tmp/$o.wav"; }
# join OUT IN...: the inputs one after the other.
join() { local o=$1; shift; local args=(); for f in "$@"; do args+=("$tmp/$f.wav"); done
         sox -R -G "${args[@]}" "${W[@]}" "$tmp/$o.wav"; }
# say FILE VOICE SPEED PITCH TEXT: spoken by espeak-ng, with its silence at both ends cut off.
say() {
  espeak-ng -v "$2" -s "$3" -p "$4" -w "$tmp/raw-$1.wav" "$5"
  sox -R -G "$tmp/raw-$1.wav" "${W[@]}" "$tmp/$1.wav" \
    silence 1 0.01 0.3% reverse silence 1 0.01 0.3% reverse
}

# finish IN NAME RATE [LENGTH [LOUDNESS]]: trimmed or padded to LENGTH seconds (empty: as it is)
# with a short fade at the end, resampled, then set to LOUDNESS (dBFS RMS over the whole sound,
# -16 unless given; buzzes sound louder than their level, so they get less) unless that would push
# a peak over -1 dBFS, and written as NAME.wav.
finish() {
  local in=$1 name=$2 rate=$3 length=${4:-} loudness=${5:--16}
  local shaped="$tmp/shaped-$name.wav"
  if [ -n "$length" ]; then
    sox -R -G "$tmp/$in.wav" "$tmp/padded-$name.wav" pad 0 "$length"
    sox -R -G "$tmp/padded-$name.wav" -r "$rate" -c 1 -e floating-point -b 32 "$shaped" \
      trim 0 "$length" fade t 0 "$length" 0.02
  else
    sox -R -G "$tmp/$in.wav" -r "$rate" -c 1 -e floating-point -b 32 "$shaped" fade t 0 0 0.02
  fi
  local gain
  gain=$(sox "$shaped" -n stats 2>&1 | awk -v target="$loudness" '
    /RMS lev dB/ { rms = $4 } /Pk lev dB/ { pk = $4 }
    END { g = target - rms; if (pk + g > -1) g = -1 - pk; printf "%.2f", g }')
  sox -R -G "$shaped" -D -r "$rate" -c 1 -e signed-integer -b 16 "$out/$name.wav" gain "$gain"
}

# ---- Building blocks --------------------------------------------------------------------------

# knock FILE PITCH LENGTH: bone striking wood: a crack of noise and two quickly dying,
# out-of-tune partials (a struck bar rings at about 2.76 times its note as well), not a note.
knock() {
  local upper=$(( $2 * 276 / 100 ))
  gen "crack-$1" synth 0.006 whitenoise vol 0.6 highpass 900 fade q 0.0005 0.006 0.005
  gen "ring-$1" -c 2 synth "$3" sine "$2" sine "$upper" remix 1v0.6,2v0.3 \
    fade l 0.0005 "$3" "$3"
  mix "$1" "crack-$1" "ring-$1"
}

# clap FILE CENTRE: one handclap: a burst of noise shaped by the hollow of the hands.
clap() {
  gen "$1" synth 0.014 whitenoise vol 0.5 bandpass "$2" 1.4q fade q 0.0008 0.014 0.012 pad 0 0.01
}

# bell FILE FREQ LENGTH: a struck bell: the note with its upper partials, dying away.
bell() {
  gen "$1" -c 4 synth "$3" sine "$2" sine "$(( $2 * 2 ))" sine "$(( $2 * 3 ))" sine "$(( $2 * 27 / 10 ))" \
    remix 1v0.55,2v0.2,3v0.1,4v0.12 fade l 0.003 "$3" "$3"
}

# brass FILE NOTE LENGTH: a bright, brassy note with a soft attack and release.
brass() {
  gen "$1" -c 2 synth "$3" sawtooth "$2" sawtooth "$2" \
    remix 1v0.5,2v0.5 lowpass 2400 fade h 0.03 "$3" 0.12
}

# marimba FILE NOTE LENGTH: a soft wooden bar.
marimba() {
  gen "$1" -c 2 synth "$3" sine "$2" pluck "$2" remix 1v0.6,2v0.4 fade l 0.002 "$3" "$3"
}

# ---- Game sounds ------------------------------------------------------------------------------

# entered: a two-note door chime, someone has come to the table.
bell ding 880 0.45; bell dong 698 0.5
at 0.28 dong dong-late
mix entered ding dong-late
finish entered entered "$GAME_RATE" 0.8

# selectbone: a light tick as a bone is lifted from the hand.
knock selectbone 2200 0.08
finish selectbone selectbone "$GAME_RATE" 0.13

# clearbone: the bone set back down: a lower tock and its little bounce.
knock clear-a 900 0.15; knock clear-b 1300 0.1
fx clear-b clear-b-soft vol 0.45; at 0.09 clear-b-soft clear-b-late
mix clearbone clear-a clear-b-late
finish clearbone clearbone "$GAME_RATE" 0.3

# sort: bones shuffled along the rack: three quick clicks.
knock sort-a 1500 0.06; knock sort-b 1700 0.06; knock sort-c 1400 0.07
at 0.05 sort-b sort-b-late; at 0.1 sort-c sort-c-late
mix sort sort-a sort-b-late sort-c-late
finish sort sort "$GAME_RATE" 0.2

# placebone: a bone laid firmly on the table, with a little of the room around it.
knock place-hit 700 0.25
gen place-thud synth 0.12 sine 140 fade l 0.001 0.12 0.11
mix place-raw place-hit place-thud
fx place-raw placebone reverb 20 50 30
finish placebone placebone "$GAME_RATE" 0.3

# double: the clack of a double, then a bright rising pair of notes: a new spinner.
knock double-hit 800 0.2
marimba double-a 784 0.3; marimba double-b 1175 0.4
at 0.12 double-a double-a-late; at 0.28 double-b double-b-late
mix double double-hit double-a-late double-b-late
finish double double "$GAME_RATE" 0.7

# pass: two knuckle raps on the table, the way players say "I pass".
knock rap 320 0.08; at 0.1 rap rap-late
mix pass rap rap-late
finish pass pass "$GAME_RATE" 0.2

# invalid: a short low buzz: that play is refused.
gen invalid -c 2 synth 0.22 square 110 square 116 remix 1v0.3,2v0.3 lowpass 900 fade h 0.01 0.22 0.05
finish invalid invalid "$GAME_RATE" 0.25 -21

# turn: the classic turn call, a rising three-note chime.
bell turn-a 784 0.3; bell turn-b 988 0.3; bell turn-c 1175 0.4
at 0.13 turn-b turn-b-late; at 0.26 turn-c turn-c-late
mix turn turn-a turn-b-late turn-c-late
finish turn turn "$GAME_RATE" 0.6

# turnnew: the newer turn call, a soft two-note marimba.
marimba turnnew-a 659 0.2; marimba turnnew-b 988 0.28
at 0.11 turnnew-b turnnew-b-late
mix turnnew turnnew-a turnnew-b-late
finish turnnew turnnew "$GAME_RATE" 0.4

# roundover: someone went out: a short brass fanfare, the last note held.
brass ro-1 523 0.18; brass ro-2 659 0.18; brass ro-3 784 0.18; brass ro-4 1047 1.4
brass ro-5 659 1.4; brass ro-6 784 1.4
at 0.2 ro-2 ro-2l; at 0.4 ro-3 ro-3l; at 0.62 ro-4 ro-4l; at 0.62 ro-5 ro-5l; at 0.62 ro-6 ro-6l
mix ro-mix ro-1 ro-2l ro-3l ro-4l ro-5l ro-6l
fx ro-mix roundover reverb 30 50 60
finish roundover roundover "$GAME_RATE" 2.3

# blocked: nobody can play: two falling, muted horn notes.
brass bl-1 392 0.4; brass bl-2 294 0.55
at 0.42 bl-2 bl-2l
mix bl-mix bl-1 bl-2l
fx bl-mix blocked lowpass 1200 reverb 20
finish blocked blocked "$GAME_RATE" 1.0

# winner: the game is won: a longer fanfare ending on a full chord, with bells on top.
brass wi-1 523 0.16; brass wi-2 523 0.16; brass wi-3 523 0.16; brass wi-4 659 0.45
brass wi-5 523 0.2; brass wi-6 659 0.2; brass wi-7 784 1.5; brass wi-8 523 1.5; brass wi-9 659 1.5
bell wi-b1 1568 0.8; bell wi-b2 2093 1.0
at 0.18 wi-2 wi-2l; at 0.36 wi-3 wi-3l; at 0.54 wi-4 wi-4l; at 1.02 wi-5 wi-5l; at 1.24 wi-6 wi-6l
at 1.46 wi-7 wi-7l; at 1.46 wi-8 wi-8l; at 1.46 wi-9 wi-9l; at 1.5 wi-b1 wi-b1l; at 1.7 wi-b2 wi-b2l
mix wi-mix wi-1 wi-2l wi-3l wi-4l wi-5l wi-6l wi-7l wi-8l wi-9l wi-b1l wi-b2l
fx wi-mix winner reverb 40 50 70
finish winner winner "$GAME_RATE" 2.8

# ---- Chatter sounds ---------------------------------------------------------------------------

# wave1 "Doh"
say w1 en-us+m3 150 35 "D'oh!"
finish w1 wave1 "$CHAT_RATE"

# wave2 "Cough": three dry coughs, bursts of throaty noise.
gen cough-1 synth 0.22 brownnoise synth 0.22 pinknoise mix bandpass 700 0.8q overdrive 8 fade p 0.005 0.22 0.17
fx cough-1 cough-2 vol 0.8 speed 0.95
fx cough-1 cough-3 vol 0.65 speed 1.05
at 0.35 cough-2 cough-2l; at 0.66 cough-3 cough-3l
mix w2 cough-1 cough-2l cough-3l
finish w2 wave2 "$CHAT_RATE"

# wave3 "Hello"
say w3 en-us+f2 160 55 "Hello!"
finish w3 wave3 "$CHAT_RATE"

# wave4 "Thank You"
say w4 en-us+m1 150 50 "Thank you!"
finish w4 wave4 "$CHAT_RATE"

# wave5 "Where have you been?"
say w5 en-us+m3 145 50 "Where have you been?"
finish w5 wave5 "$CHAT_RATE"

# wave6 "Snoring": two slow breaths in, each rattling, each breathed out with a soft whistle.
gen snore-in synth 1.3 brownnoise lowpass 500 tremolo 28 70 fade h 0.4 1.3 0.3
gen snore-out synth 0.9 pinknoise bandpass 1100 2q fade h 0.15 0.9 0.6 vol 0.35
at 1.35 snore-out snore-outl
mix snore-1 snore-in snore-outl
join w6 snore-1 snore-1
finish w6 wave6 "$CHAT_RATE"

# wave7 "Sneezing": the building "ah... ah..." and a burst of "choo".
say sneeze-ah en-us+f1 110 70 "ah, ahh,"
gen sneeze-choo synth 0.35 whitenoise vol 0.5 highpass 1800 fade p 0.004 0.35 0.3
join w7 sneeze-ah sneeze-choo
finish w7 wave7 "$CHAT_RATE"

# wave8 "Sorry"
say w8 en-us+f3 140 45 "Sorry!"
finish w8 wave8 "$CHAT_RATE"

# wave9 "Welcome"
say w9 en-us+m2 150 50 "Welcome!"
finish w9 wave9 "$CHAT_RATE"

# wave10 "Yeehaa"
say w10 en-us+m4 170 75 "Yee haaw!"
finish w10 wave10 "$CHAT_RATE"

# wave11 "Yippee"
say w11 en-us+f4 170 90 "Yippee!"
finish w11 wave11 "$CHAT_RATE"

# wave12 "Oh No"
say w12 en-us+m1 110 40 "Oh, no!"
finish w12 wave12 "$CHAT_RATE"

# wave13 "Applause": eight people clapping, each a little out of step; bash's generator is
# seeded so the crowd claps the same way every time.
RANDOM=1302
for hands in 1 2 3 4 5 6 7 8; do
  clap "clap-$hands" $(( 900 + RANDOM % 1600 ))
  parts=()
  gen "gap-$hands-0" synth "0.0$(( 1 + RANDOM % 9 ))" sine 0 vol 0
  parts+=("gap-$hands-0")
  for beat in $(seq 1 16); do
    gen "gap-$hands-$beat" synth "0.$(( 14 + RANDOM % 8 ))" sine 0 vol 0
    parts+=("clap-$hands" "gap-$hands-$beat")
  done
  join "clapper-$hands" "${parts[@]}"
done
mix clap-all clapper-1 clapper-2 clapper-3 clapper-4 clapper-5 clapper-6 clapper-7 clapper-8
fx clap-all clap-room reverb 40 50 80
fx clap-room w13 trim 0 3.0 fade h 0.15 3.0 0.9
finish w13 wave13 "$CHAT_RATE"

# wave14 "Honk": an old car horn, twice.
gen honk-1 -c 2 synth 0.3 sawtooth 370 sawtooth 466 remix 1v0.5,2v0.5 \
  bandpass 900 0.9q overdrive 10 fade h 0.01 0.3 0.04
at 0.38 honk-1 honk-2
mix w14 honk-1 honk-2
finish w14 wave14 "$CHAT_RATE" "" -19

# wave15 "Oooh": a few voices together, impressed.
say ooh-a en-us+m3 90 40 "Ooooh!"
say ooh-b en-us+f2 90 60 "Ooooh!"
say ooh-c en-us+m1 85 25 "Oooooh!"
at 0.05 ooh-b ooh-bl; at 0.09 ooh-c ooh-cl
mix w15 ooh-a ooh-bl ooh-cl
finish w15 wave15 "$CHAT_RATE"

# wave16 "Razzberry": a blown raspberry: a fluttering low buzz with breath in it.
gen razz-buzz synth 0.9 sawtooth 95 vol 0.5 tremolo 31 90 lowpass 1400 overdrive 6
gen razz-air synth 0.9 pinknoise bandpass 1500 1q vol 0.4
mix razz razz-buzz razz-air
fx razz w16 fade h 0.04 0.9 0.2
finish w16 wave16 "$CHAT_RATE" "" -19

# wave17 "Cheer": a crowd roaring and a few hurrahs in it.
gen cheer-roar synth 2.4 pinknoise bandpass 1000 0.6q tremolo 3.7 30 fade h 0.25 2.4 0.9
say cheer-a en-us+m3 160 70 "Hooray!"
say cheer-b en-us+f2 170 85 "Yay!"
say cheer-c en-us+m1 150 60 "Woo hoo!"
at 0.2 cheer-a cheer-al; at 0.55 cheer-b cheer-bl; at 1.0 cheer-c cheer-cl
mix w17 cheer-roar cheer-al cheer-bl cheer-cl
finish w17 wave17 "$CHAT_RATE"

# wave18 "Woman Laughing"
say w18 en-us+f4 190 85 "ha ha ha ha ha haa!"
finish w18 wave18 "$CHAT_RATE"

# wave19 "Man Laughing"
say w19 en-us+m7 170 20 "ho ho ho, ha ha ha haa!"
finish w19 wave19 "$CHAT_RATE"

# wave20 "Crying"
say w20 en-us+f1 110 80 "waaah, boo hoo hoo hoo, waaaah!"
finish w20 wave20 "$CHAT_RATE"

du -ch "$out"/*.wav | tail -1
