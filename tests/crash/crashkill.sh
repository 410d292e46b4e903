#!/usr/bin/env bash
# Kills the player with SIGKILL at random moments while kwdrive works it, and
# after every kill checks that each progress file is sound and that the player
# then starts cleanly (nothing asked, nothing left behind).
#
#   tests/crash/crashkill.sh [KILLS]    (default 200)
#
# KWDRIVE names the driver (default build-drive/bin/kwdrive); CRASHKILL_SEED
# makes a run repeatable; CRASHKILL_KEEP names a folder for the copies of any
# damaged data folder (default: a folder in /tmp, printed at the end).
set -uo pipefail
cd "$(dirname "$0")/../.."

kills=${1:-200}
kwdrive=${KWDRIVE:-build-drive/bin/kwdrive}
seed=${CRASHKILL_SEED:-$(od -An -N2 -tu2 /dev/urandom | tr -d ' ')}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_CHROMIUM_FLAGS=${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}
RANDOM=$seed

if [ ! -x "$kwdrive" ]; then
  echo "crashkill: no driver at $kwdrive (build the kwdrive target, or set KWDRIVE)" >&2
  exit 2
fi

work=$(mktemp -d /tmp/crashkill.XXXXXX)
folder=$work/data
keep=${CRASHKILL_KEEP:-$work/damaged}
mkdir -p "$folder" "$keep"
trap 'rm -rf "$folder" "$work"/run.log' EXIT

killed=0 sound=0 restarts=0 failures=0 resets=0 saves=0 marks=0
driver=

stop_driver() { # kills the driver and every process it started
  [ -n "$driver" ] || return 0
  kill -KILL -- "-$driver" 2>/dev/null
  wait "$driver" 2>/dev/null
  driver=
}
trap 'stop_driver; exit 130' INT TERM

failure() { # failure <what>
  failures=$((failures + 1))
  local copy=$keep/$failures
  cp -a "$folder" "$copy"
  echo "crashkill: FAILURE $failures after kill $killed: $1 (folder kept in $copy)" >&2
  echo "crashkill: the driver's last actions:" >&2
  tail -n 5 "$work/run.log" | sed 's/^/  /' >&2
}

echo "crashkill: $kills kills, seed $seed, driver $kwdrive"
if ! "$kwdrive" --start "$folder" 2>"$work/start.log"; then
  cat "$work/start.log" >&2
  echo "crashkill: the player does not start on a new folder" >&2
  exit 1
fi

for ((i = 1; i <= kills; i++)); do
  # Its own session and process group, so the kill reaches the web engine's
  # helper processes too.
  setsid "$kwdrive" "$folder" "$((seed * 1000 + i))" >"$work/run.log" 2>&1 &
  driver=$!
  # Up to 6 seconds: start-up, opening, typing, saving and marking all get hit.
  sleep "$((RANDOM % 6)).$((RANDOM % 10))$((RANDOM % 10))"
  if kill -0 "$driver" 2>/dev/null; then
    stop_driver
    killed=$((killed + 1))
  else
    wait "$driver"
    status=$?
    driver=
    if [ "$status" -eq 4 ]; then
      # Every paper is marked: begin again on a fresh folder.
      resets=$((resets + 1))
      rm -rf "$folder" && mkdir -p "$folder"
      "$kwdrive" --start "$folder" 2>"$work/start.log" || failure "the player does not start on a new folder"
      continue
    fi
    failure "the driver stopped by itself with status $status"
  fi
  saves=$((saves + $(grep -c '^save$' "$work/run.log")))
  marks=$((marks + $(grep -c '^marked$' "$work/run.log")))

  if "$kwdrive" --check "$folder" 2>"$work/check.log"; then
    sound=$((sound + 1))
  else
    cat "$work/check.log" >&2
    failure "a progress file is damaged after the kill"
    continue
  fi
  if "$kwdrive" --start "$folder" 2>"$work/start.log"; then
    restarts=$((restarts + 1))
  else
    cat "$work/start.log" >&2
    failure "the player did not start cleanly after the kill"
  fi
  [ $((i % 25)) -eq 0 ] && echo "crashkill: $i runs, $killed kills, $failures failures"
done

echo "crashkill: $killed kills, $sound sound folders after a kill, $restarts clean restarts," \
  "$failures failures, $resets fresh folders (all marked); saves begun $saves, markings completed $marks"
if [ "$failures" -gt 0 ]; then
  echo "crashkill: damaged folders kept in $keep" >&2
  exit 1
fi
rm -rf "$work"
