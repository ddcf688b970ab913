#!/usr/bin/env bash
# The particle windows under Wine on a private Xvfb display: a real
# full-screen window over a known desktop picture, real keys and mouse moves
# by xdotool, and a screenshot by ImageMagick's import.
#   run-window-tests.sh WINDOW-PROBE.EXE
# Prints one line per check and closes with "window-wine: N passed, N failed".
set -uo pipefail
probe=$(realpath "${1:?usage: run-window-tests.sh WINDOW-PROBE.EXE}")
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../../.." && pwd)
. "$top/tools/wine/lib.sh"

passed=0
failed=0
check() {  # check CONDITION-STATUS TEXT
  if [ "$1" -eq 0 ]; then passed=$((passed + 1)); echo "PASS $2"; else failed=$((failed + 1)); echo "FAIL $2"; fi
}
# Adds the PASS/FAIL lines a probe run printed.
count_probe() {
  local log=$1 p f
  p=$(grep -c '^PASS' "$log"); f=$(grep -c '^FAIL' "$log")
  passed=$((passed + p)); failed=$((failed + f))
  cat "$log"
}
finish() {
  echo "window-wine: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

work=$(mktemp -d "${TMPDIR:-/tmp}/tidewell-window-wine.XXXXXX")
probe_pid=""
cleanup() {
  if [ -n "$probe_pid" ]; then kill "$probe_pid" 2>/dev/null; wait "$probe_pid" 2>/dev/null; fi
  wine_cleanup
  rm -rf "$work"
}
trap cleanup EXIT

# TIDEWELL_WINDOW_TEST_DISPLAYS: the X displays to choose from.
displays=${TIDEWELL_WINDOW_TEST_DISPLAYS:-":97 :98 :99"}
display=$(first_free_display $displays) || { echo "FAIL no free display among $displays"; failed=1; finish; exit 1; }
if ! start_xvfb "$display" 1024x768x24 || ! make_prefix; then
  echo "FAIL Xvfb or the Wine prefix did not start"; failed=1; finish; exit 1
fi
cd "$work" || exit 1
cp "$probe" window-probe.exe

# Waits up to $2 seconds for file $1.
wait_for_file() {
  local i
  for i in $(seq 1 $(($2 * 10))); do [ -e "$1" ] && return 0; sleep 0.1; done
  return 1
}
# Waits up to $2 seconds for process $1 to end; its status in $probe_status.
wait_for_exit() {
  local i
  for i in $(seq 1 $(($2 * 10))); do
    if ! kill -0 "$1" 2>/dev/null; then wait "$1"; probe_status=$?; return 0; fi
    sleep 0.1
  done
  return 1
}
# Which input closed the window, from the probe's "inputs before close:"
# line: the first key, system key or deactivation, or the first move to
# another place than the first move's.
closing_input() {
  python3 - "$1" <<'PY'
import sys
line = next((l for l in open(sys.argv[1]) if l.startswith('inputs before close:')), '')
first = None
for token in line.split(':', 1)[-1].split():
    if token.startswith('move'):
        if first is None:
            first = token
        elif token != first:
            print('move'); break
    else:
        print(token); break
else:
    print('none')
PY
}
# The probe's X window (Wine names the class after the program).
probe_window() {
  xdotool search --classname "window-probe.exe" 2>/dev/null | tail -n 1
}

# 1. The desktop picture on the root window, as a desktop would show it.
python3 "$here/make_desktop.py" desktop.ppm 1024 768
# (display sets the root's background and exits; its status says nothing.)
timeout 30 display -window root desktop.ppm >/dev/null 2>&1
import -window root before.png && python3 "$here/same_picture.py" before.png desktop.ppm
check $? "the desktop picture is on the root window"

# 2. Capture, animation, mirror against the screen, closed by a real key.
run_wine 90 ./window-probe.exe capture desktop.ppm mirror.ppm ready >capture.log 2>&1 &
probe_pid=$!
if wait_for_file ready 60; then
  import -window root shot.png && python3 "$here/same_picture.py" shot.png mirror.ppm
  check $? "a screenshot by import shows exactly what the window's mirror holds"
  window=$(probe_window)
  [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null
  xdotool key space
  if ! wait_for_exit "$probe_pid" 10 && [ -n "$window" ]; then
    xdotool key --window "$window" space
  fi
else
  echo "FAIL the capture run did not get ready"; failed=$((failed + 1))
fi
if wait_for_exit "$probe_pid" 15; then
  check "$probe_status" "the capture run ended with status 0"
else
  check 1 "the capture run ended after the key"
fi
probe_pid=""
count_probe capture.log
[ "$(closing_input capture.log)" = key ]
check $? "the window closed on the key (closing input: $(closing_input capture.log))"

# 3. Keeps running without input; a real mouse move closes it.
rm -f ready
xdotool mousemove 400 300
run_wine 90 ./window-probe.exe run ready >run.log 2>&1 &
probe_pid=$!
if wait_for_file ready 60; then
  sleep 2
  kill -0 "$probe_pid" 2>/dev/null
  check $? "the full-screen window keeps running without input"
  # The first mouse message only records where the cursor rests.
  xdotool mousemove 420 310
  sleep 0.5
  xdotool mousemove 430 320
  wait_for_exit "$probe_pid" 10
  check $? "a real mouse move closed the window"
  [ -n "${probe_status:-}" ] && check "$probe_status" "the run ended with status 0"
else
  echo "FAIL the run did not get ready"; failed=$((failed + 1))
fi
probe_pid=""
count_probe run.log
[ "$(closing_input run.log)" = move ]
check $? "the window closed on the mouse move (closing input: $(closing_input run.log))"

# 4. Resizing after the first paint keeps the grids.
run_wine 60 ./window-probe.exe resize >resize.log 2>&1
check $? "the resize run ended with status 0"
count_probe resize.log

finish
