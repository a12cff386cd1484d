#!/usr/bin/env bash
# Processor use of Tolvar on each of its screens, measured from outside: the game runs under Xvfb
# from a scratch program folder holding one bench campaign, is driven with xdotool through the
# title screen, the briefing and a battle, and the CPU time of its process (/proc/PID/stat, all
# threads) is read over a fixed stretch of wall time on each screen:
#
#   title       the title screen, its animation done, waiting for a campaign
#   briefing    the briefing typing its lines
#   brief-wait  the briefing's texts out, waiting for the click that leaves
#   speech      the battle while the leader's speech is typed and held, frame after frame
#   battle      steady play: the squad walking across the map, the camera following
#
# Usage: bench/screens_cpu.sh [build folder]
# Without a build folder it uses build/, building it first when the game is missing there.
# Environment: SCREENS_DISPLAY=:N uses that X display (default: Xvfb picks a free one),
#              SCREENS_SECONDS=n measures n seconds on each screen (default 8, at most 15),
#              SCREENS_SHOTS=folder saves a screenshot of each screen there (imagemagick).
# Needs the packages that scripts/setup installs (xvfb, xdotool).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ]; then
  build=$(cd "$1" && pwd)
else
  build=$(pwd)/build
  if [ ! -x "$build/bin/tolvar" ]; then
    scripts/setup
    scripts/build >/dev/null
  fi
fi
seconds=${SCREENS_SECONDS:-8}
shots=${SCREENS_SHOTS:-}

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup" >&2; exit 1; }
done
[ -x "$build/bin/tolvar" ] || { echo "No game at $build/bin/tolvar" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# --- The scratch program folder: the game, its generated data and the bench campaign.
mkdir -p "$work/arquivos/campanha"
cp "$build/bin/tolvar" "$work/tolvar"
for folder in grafico som musica help; do
  [ -e "$build/bin/arquivos/$folder" ] && ln -s "$build/bin/arquivos/$folder" "$work/arquivos/$folder"
done

crlf() { sed 's/$/\r/'; }

crlf >"$work/arquivos/campanha/bench.cfc" <<'EOF'
<Campanha>
"Bench"
"Bench"
 1 
True
<-Campanha>
<Miss>
bench_walk
<-Miss>
<Nomes>
Able
Baker
Charlie
Dog
<-Nomes>
EOF

# A 50 x 50 field. The squad of four starts at cell 05,05; a scripted walk sends the leader east
# to 45,05, and while he still stands on his start cell he speaks in every frame (a repeating
# condition), so the battle begins with a stretch of texts typed and held, then goes on in steady
# play. Objects and idle enemies lie far to the south, out of reach.
{
  printf '<Info>\n"Bench walk"\n"Bench"\n50\n50\n<-Info>\n<Map>\n'
  for y in $(seq 1 50); do
    row=""
    for x in $(seq 1 50); do
      if [ $(((x * 7 + y * 3) % 23)) -eq 0 ]; then row+="03"
      elif [ $(((x + y * 5) % 31)) -eq 0 ]; then row+="02"
      else row+="01"; fi
    done
    printf '%s\n' "$row"
  done
  printf '<-Map>\n<Objts>\n'
  for o in $(seq 0 19); do printf '"0%d,%02d,%02d"\n' $((o % 4 + 1)) $((10 + o % 10 * 3)) $((38 + o / 10 * 4)); done
  printf '<-Objts>\n<Inimigos>\n'
  for e in $(seq 0 19); do printf '"04,%02d,%02d,None,0"\n' $((11 + e % 10 * 3)) $((40 + e / 10 * 4)); done
  printf '<-Inimigos>\n<Tropa>\n"05,05"\n"4 "\n"01"\n"01"\n"01"\n"3"\n<-Tropa>\n'
  printf '<Anim-walk>\n"0000,01,45,05"\n"0001,08"\n<-Anim>\n'
  printf '<Cond 001>\n 1 \n<Se>\n"01,99"\n<-Se>\n<Faz>\n"05,walk"\n<-Faz>\n<-Cond>\n'
  printf '<Cond 002>\n 0 \n<Se>\n"02,05,05"\n<-Se>\n<Faz>\n"01,Keep moving, the road is long."\n<-Faz>\n<-Cond>\n'
  # A long summary keeps the briefing typing for about 17 s.
  printf '<Resumo>\n"%s %s %s"\n<-Resumo>\n<Fim>\n' \
    "A long walk east across an open field, talking all the way, with the whole squad in line" \
    "behind its leader. Nobody shoots, nobody hurries: the enemy waits far to the south, behind" \
    "the crates and barrels, and the road to the east is long, flat and empty."
} | crlf >"$work/arquivos/campanha/bench_walk.cfm"

# --- The display.
if [ -n "${SCREENS_DISPLAY:-}" ]; then
  Xvfb "$SCREENS_DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$SCREENS_DISPLAY
else
  # Xvfb picks a free display and writes its number.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
fi
for _ in $(seq 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

# --- The game.
(cd "$work" && QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} exec ./tolvar) \
  >"$work/tolvar.log" 2>&1 &
game_pid=$!

# The one visible game window (each screen is a window of its own); waits for a new one when
# given the id of the window before it.
window() {
  local before=${1:-} id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "VEDE Gorsefield" 2>/dev/null | tail -n1 || true)
    if [ -n "$id" ] && [ "$id" != "$before" ]; then echo "$id"; return; fi
    sleep 0.1
  done
  echo "the game window did not appear (see $work/tolvar.log)" >&2
  exit 1
}

# Processor ticks the game has used so far (user + system time of all its threads, fields 14 and
# 15; the command name in field 2 may hold blanks, so the fields are counted after it).
used_ticks() {
  local stat
  stat=$(cat "/proc/$game_pid/stat")
  stat=${stat##*) }
  set -- $stat
  echo $((${12} + ${13}))
}
hz=$(getconf CLK_TCK)

declare -a names=() figures=()
measure() {
  local name=$1 t0 c0 t1 c1
  [ -n "$shots" ] && { mkdir -p "$shots"; import -window root "$shots/$name.png"; }
  t0=$(date +%s.%N); c0=$(used_ticks)
  sleep "$seconds"
  t1=$(date +%s.%N); c1=$(used_ticks)
  names+=("$name")
  figures+=("$(awk -v c=$((c1 - c0)) -v hz="$hz" -v t0="$t0" -v t1="$t1" \
    'BEGIN { printf "%.1f", 100 * c / hz / (t1 - t0) }')")
}

click() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; }

# Title: wait for "Play" to rise, measure, then Play, the campaign, Play.
title=$(window)
sleep 2
measure title
click "$title" 44 440
sleep 1.5
click "$title" 360 186
sleep 1
click "$title" 450 385

# The window in front; fails when it is not the one expected (a screen ended before its time).
expect_window() {
  local id
  id=$(xdotool search --onlyvisible --name "VEDE Gorsefield" 2>/dev/null | tail -n1 || true)
  [ "$id" = "$1" ] || { echo "$2 was over before it was measured" >&2; exit 1; }
}

# Briefing: measure while it types, then hurry it and measure the wait for the last click.
brief=$(window "$title")
sleep 0.5
measure briefing
click "$brief" 320 240
sleep 1
measure brief-wait
expect_window "$brief" "the briefing"
click "$brief" 320 240

# Battle: the speech comes first, then steady play once the leader has left his start cell.
battle=$(window "$brief")
start=$(date +%s)
sleep 1
measure speech
expect_window "$battle" "the battle"
# The texts end when the leader has left his start cell, about 20 s into the battle; the walk
# east then goes on for about 25 s more.
while [ $(($(date +%s) - start)) -lt 22 ]; do sleep 0.5; done
measure battle
expect_window "$battle" "the battle"

kill -0 "$game_pid" 2>/dev/null || { echo "The game ended during the measurement (see $work/tolvar.log)" >&2; exit 1; }
echo "Tolvar processor use over ${seconds} s per screen, per cent of one core ($build/bin/tolvar):"
for i in "${!names[@]}"; do printf '  %-12s %6s %%\n' "${names[$i]}" "${figures[$i]}"; done
