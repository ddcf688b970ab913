# Shell pieces for running Windows builds under Wine on a private X server.
# Source it from bash:  . "$top/tools/wine/lib.sh"
#
#   find_wine64                 Prints the 64-bit loader's path (Debian puts
#                               it in Wine's library folder, not on PATH) and
#                               sets WINE64. Fails if there is none.
#   start_xvfb DISPLAY [WxHxD]  Starts Xvfb -noreset on DISPLAY (":91"),
#                               default screen 1024x768x24, waits until it
#                               answers, exports DISPLAY and sets XVFB_PID.
#                               Fails if the display is taken.
#   first_free_display D...     Prints the first of the displays not in use;
#                               TIDEWELL_DISPLAYS (":131 :132"), when set,
#                               replaces the list (machines shared by runs).
#   stop_xvfb                   Ends the Xvfb that start_xvfb started (by pid).
#   make_prefix                 Makes a throw-away WINEPREFIX (mktemp -d),
#                               exports it with WINEDEBUG=-all and
#                               WINEDLLOVERRIDES="mscoree,mshtml=", and
#                               initialises it (about 12 s).
#   remove_prefix               Stops the prefix's wineserver, deletes it.
#   unmanaged_windows           Tells Wine in the prefix that no window
#                               manager runs (Xvfb has none): otherwise every
#                               destroy of an activated window waits 2 s for
#                               one (measured). Call after make_prefix.
#   run_wine SECONDS EXE ARGS   Runs EXE under wine64 bounded by timeout;
#                               returns the program's status (124: timed out).
#   reg_query KEY [VALUE]       `reg query` inside the prefix (KEY like
#                               'HKCU\Software\Orvalle\App\Config').
#   reg_dword KEY VALUE         Prints a REG_DWORD value in decimal (signed
#                               32-bit); fails if missing or of another type.
#   reg_sz KEY VALUE            Prints a REG_SZ value; fails if missing.
#   reg_add KEY VALUE TYPE DATA `reg add /f` inside the prefix.
#   reg_delete KEY [VALUE]      `reg delete /f` inside the prefix: the key,
#                               or only the value.
#   kernel_runs_32bit           Succeeds when the kernel runs i386 programs.
#   wine_cleanup                stop_xvfb + remove_prefix; good for `trap`.
#
# Typical use:
#   . tools/wine/lib.sh
#   trap wine_cleanup EXIT
#   start_xvfb :91 && make_prefix && run_wine 60 build-win64/foo.exe

: "${WINE_TIMEOUT_KILL:=5}"

find_wine64() {
  if [ -n "${WINE64:-}" ] && [ -x "$WINE64" ]; then
    echo "$WINE64"
    return 0
  fi
  local path=""
  if command -v dpkg >/dev/null 2>&1; then
    path=$(dpkg -L wine64 2>/dev/null | grep -E '/wine64$' | head -n 1)
  fi
  if [ -z "$path" ] || [ ! -x "$path" ]; then
    for candidate in /usr/lib/wine/wine64 /usr/lib64/wine/wine64 /opt/wine-stable/bin/wine64 \
                     "$(command -v wine64 2>/dev/null)"; do
      if [ -n "$candidate" ] && [ -x "$candidate" ]; then
        path=$candidate
        break
      fi
    done
  fi
  if [ -z "$path" ] || [ ! -x "$path" ]; then
    echo "find_wine64: no 64-bit Wine loader found (install wine64)" >&2
    return 1
  fi
  WINE64=$path
  export WINELOADER=$path
  echo "$path"
}

# The wineserver that belongs to the loader found above.
_wineserver() {
  local dir
  dir=$(dirname "$(find_wine64)") || return 1
  if [ -x "$dir/wineserver" ]; then
    echo "$dir/wineserver"
  else
    command -v wineserver
  fi
}

_display_in_use() {
  local n=${1#:}
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]
}

first_free_display() {
  local d
  # shellcheck disable=SC2086  # a list of displays, split on spaces
  for d in ${TIDEWELL_DISPLAYS:-$@}; do
    if ! _display_in_use "$d"; then
      echo "$d"
      return 0
    fi
  done
  echo "first_free_display: all of $* are in use" >&2
  return 1
}

start_xvfb() {
  local display=${1:?start_xvfb needs a display like :91}
  local screen=${2:-1024x768x24}
  if _display_in_use "$display"; then
    echo "start_xvfb: display $display is in use" >&2
    return 1
  fi
  Xvfb "$display" -noreset -nolisten tcp -screen 0 "$screen" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if DISPLAY=$display xdpyinfo >/dev/null 2>&1; then
      export DISPLAY=$display
      return 0
    fi
    if ! kill -0 "$XVFB_PID" 2>/dev/null; then
      break
    fi
    sleep 0.1
  done
  echo "start_xvfb: Xvfb on $display did not start" >&2
  stop_xvfb
  return 1
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  fi
  return 0
}

make_prefix() {
  find_wine64 >/dev/null || return 1
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tidewell-wine.XXXXXX") || return 1
  export WINEPREFIX
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  if ! timeout 120 "$WINE64" wineboot.exe --init >/dev/null 2>&1; then
    echo "make_prefix: wineboot failed in $WINEPREFIX" >&2
    return 1
  fi
  timeout 60 "$(_wineserver)" -w 2>/dev/null
  return 0
}

remove_prefix() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    # Only the server of this prefix: -k is scoped to WINEPREFIX.
    "$(_wineserver)" -k 2>/dev/null
    rm -rf "$WINEPREFIX"
  fi
  WINEPREFIX=""
  return 0
}

unmanaged_windows() {
  reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
}

run_wine() {
  local seconds=${1:?run_wine needs a timeout in seconds}
  shift
  find_wine64 >/dev/null || return 1
  timeout -k "$WINE_TIMEOUT_KILL" "$seconds" "$WINE64" "$@"
}

reg_query() {
  local key=${1:?reg_query needs a key}
  if [ $# -ge 2 ]; then
    run_wine 60 reg.exe query "$key" /v "$2"
  else
    run_wine 60 reg.exe query "$key"
  fi
}

reg_dword() {
  local key=${1:?reg_dword needs a key} value=${2:?reg_dword needs a value name}
  local out hex
  out=$(reg_query "$key" "$value" 2>/dev/null | tr -d '\r') || return 1
  hex=$(awk -v v="$value" '$1 == v && $2 == "REG_DWORD" { print $3 }' <<<"$out")
  [ -n "$hex" ] || return 1
  local n=$((hex))
  if [ "$n" -ge 2147483648 ]; then
    n=$((n - 4294967296))
  fi
  echo "$n"
}

reg_sz() {
  local key=${1:?reg_sz needs a key} value=${2:?reg_sz needs a value name} out
  out=$(reg_query "$key" "$value" 2>/dev/null | tr -d '\r') || return 1
  awk -v v="$value" '$1 == v && $2 == "REG_SZ" { sub(/^ *[^ ]+ +REG_SZ( +|$)/, ""); print; found = 1 }
                     END { exit !found }' <<<"$out"
}

reg_add() {
  local key=${1:?} value=${2:?} type=${3:?} data=${4?}
  run_wine 60 reg.exe add "$key" /v "$value" /t "$type" /d "$data" /f >/dev/null
}

reg_delete() {
  if [ $# -ge 2 ]; then
    run_wine 60 reg.exe delete "${1:?reg_delete needs a key}" /v "$2" /f >/dev/null
  else
    run_wine 60 reg.exe delete "${1:?reg_delete needs a key}" /f >/dev/null
  fi
}

# A 32-bit ELF program that only exits 0: whether it runs tells whether the
# kernel has i386 support (some kernels have it switched off).
kernel_runs_32bit() {
  local probe status
  probe=$(mktemp "${TMPDIR:-/tmp}/tidewell-i386.XXXXXX") || return 1
  python3 - "$probe" <<'EOF' || { rm -f "$probe"; return 1; }
import struct, sys
code = bytes([0xB8, 1, 0, 0, 0, 0x31, 0xDB, 0xCD, 0x80])  # exit(0)
base = 0x08048000
ehdr = struct.pack('<4sBBBB8xHHIIIIIHHHHHH', b'\x7fELF', 1, 1, 1, 0,
                   2, 3, 1, base + 84, 52, 0, 0, 52, 32, 1, 0, 0, 0)
phdr = struct.pack('<IIIIIIII', 1, 0, base, base, 84 + len(code), 84 + len(code), 5, 0x1000)
with open(sys.argv[1], 'wb') as f:
    f.write(ehdr + phdr + code)
EOF
  chmod +x "$probe"
  "$probe" >/dev/null 2>&1
  status=$?
  rm -f "$probe"
  [ "$status" -eq 0 ]
}

wine_cleanup() {
  remove_prefix
  stop_xvfb
}
