#!/bin/sh
# A plan under way dies by SIGKILL and comes back in the next run.
#
#   kill_recovery.sh <quillmark program> <recovery_kill helper>
#
# 1. The helper begins a plan the way the program does, edits it, and kills itself once the
#    recovery copy is on disk.
# 2. The real program starts with that copy waiting and is killed while it offers it: the copy
#    must come through untouched. (With xvfb-run and xdotool at hand, the program's question
#    is also seen on the screen.)
# 3. The helper runs again, is offered the copy, restores it and compares the document, with
#    its formatting, to the expected dump (tests/data/document/recovery/killed-plan.dump).
# Everything runs with a private home and private XDG folders.
set -u

if [ "${1:-}" = "--watch-question" ]; then
  # Inside an X display: the real program must put its question on the screen.
  program=$2
  log=$3
  # Under the sanitizers, strict_string_checks stops the program inside the X keyboard library
  # (libxkbcommon-x11 reads a string past its end), before it shows anything; the offscreen
  # tests keep the option.
  if [ -n "${ASAN_OPTIONS:-}" ]; then
    ASAN_OPTIONS=$(printf '%s' "$ASAN_OPTIONS" | sed 's/strict_string_checks=1:\{0,1\}//')
    export ASAN_OPTIONS
  fi
  "$program" >"$log" 2>&1 &
  pid=$!
  timeout 60 xdotool search --sync --name '^Restore Unsaved Plan$' >/dev/null 2>&1
  seen=$?
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit $seen
fi

program=${1:?usage: kill_recovery.sh <quillmark program> <recovery_kill helper>}
helper=${2:?usage: kill_recovery.sh <quillmark program> <recovery_kill helper>}
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

root=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-kill.XXXXXX") || exit 1
trap 'rm -rf "$root"' EXIT INT TERM
export HOME="$root/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$root/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
copy="$XDG_DATA_HOME/Quillmark/recovery/plan-1.recovery"

# 1. Killed in the middle of a plan
QT_QPA_PLATFORM=offscreen QM_COURSE=1 QM_KILL=1 "$helper" window >"$root/write.log" 2>&1
status=$?
if [ "$status" -ne 137 ]; then
  cat "$root/write.log" >&2
  echo "FAIL: the plan run ended with status $status, not by SIGKILL (137)" >&2
  exit 1
fi
[ -s "$copy" ] || {
  echo "FAIL: no recovery copy at $copy after the kill" >&2
  exit 1
}
cp "$copy" "$root/copy-after-kill"

# 2. The real program offers the copy; killed while asking, it has changed nothing.
if command -v xvfb-run >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1; then
  env -u QT_QPA_PLATFORM xvfb-run -a sh "$0" --watch-question "$program" "$root/program.log" || {
    cat "$root/program.log" >&2
    fail "the program did not ask to restore the plan (its output is above)"
  }
else
  echo "note: xvfb-run or xdotool missing; the program's question is not looked for"
  QT_QPA_PLATFORM=offscreen "$program" >"$root/program.log" 2>&1 &
  pid=$!
  # The splash shows for five seconds before the main window and its question.
  sleep 8
  kill -0 "$pid" 2>/dev/null || {
    cat "$root/program.log" >&2
    fail "the program did not stay up with a recovery copy waiting (its output is above)"
  }
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
fi
cmp -s "$copy" "$root/copy-after-kill" ||
  fail "the recovery copy was changed or removed by a run that never had an answer"

# 3. The next run restores the plan.
QT_QPA_PLATFORM=offscreen "$helper" restore >"$root/restore.log" 2>&1 || {
  cat "$root/restore.log" >&2
  fail "the plan did not come back as it was"
}

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "kill_recovery: plan killed, offered by the program, restored with its formatting"
