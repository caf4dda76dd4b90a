# End-to-end helpers: the real deliverables under Wine in a scratch prefix, driven from outside.
# Every scenario gets its own prefix copied from the template.

TK_ROOT=${TK_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
TK_DIST=${TK_DIST:-$TK_ROOT/build/dist}
TK_STANDINS=${TK_STANDINS:-$TK_ROOT/build/win32/stand-ins}
TK_ARTIFACTS=${TK_ARTIFACTS:-$TK_ROOT/artifacts/e2e}
TK_E2E_FAILURES=0
STARS=$(printf '%*s' 76 '' | tr ' ' '*')  # the log's block border

. "$TK_ROOT/scripts/wine-env.sh"

# tk_e2e_begin: the display for the scenarios, and the clean-up when the script ends.
tk_e2e_begin() {
  tk_start_display || return 1
  trap 'tk_end_scenario; tk_stop_display' EXIT
}

# tk_scenario NAME: a fresh prefix; sets WINEPREFIX, DRIVE_C, PROGDIR (C:\TK560, with TK560Probe.exe),
# SYSTEM32 and SCENARIO_DIR (artefacts of this scenario).
tk_scenario() {
  TK_SCENARIO=$1
  export WINEPREFIX="$TK_WINE_ROOT/e2e/$TK_SCENARIO"
  tk_wine_prefix "$WINEPREFIX"
  DRIVE_C="$WINEPREFIX/drive_c"
  PROGDIR="$DRIVE_C/TK560"
  SYSTEM32="$DRIVE_C/windows/system32"
  SCENARIO_DIR="$TK_ARTIFACTS/$TK_SCENARIO"
  rm -rf "$SCENARIO_DIR"
  mkdir -p "$PROGDIR" "$SCENARIO_DIR"
  cp "$TK_DIST/TK560Probe.exe" "$PROGDIR/"
  echo "--- scenario $TK_SCENARIO"
}

# tk_reg KEY NAME TYPE DATA: sets a registry value in the scenario's prefix.
tk_reg() { wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }

# Windows XP SP3 as the registry tells it, so that the version lines are known.
tk_windows_xp() {
  local key='HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion'
  tk_reg "$key" ProductName REG_SZ "Microsoft Windows XP"
  tk_reg "$key" CurrentVersion REG_SZ "5.1"
  tk_reg "$key" CurrentBuildNumber REG_SZ "2600"
  tk_reg "$key" CSDVersion REG_SZ "Service Pack 3"
}

# tk_start DIR PROGRAM ARGS...: starts a Windows program in DIR (a Unix path) in the background; TK_PID.
tk_start() {
  local dir=$1; shift
  (cd "$dir" && exec wine "$@") >"$SCENARIO_DIR/program.out" 2>&1 &
  TK_PID=$!
}

# tk_wait_exit [SECONDS]: waits for the program started last; false when it is still running then.
tk_wait_exit() {
  local limit=${1:-30} i
  for i in $(seq 1 $((limit * 10))); do
    kill -0 "$TK_PID" 2>/dev/null || { wait "$TK_PID" 2>/dev/null; return 0; }
    sleep 0.1
  done
  return 1
}

# tk_wintool ARGS...: the window driver (line ends turned into \n).
tk_wintool() { wine "$TK_STANDINS/wintool.exe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# tk_wait_file PATH [SECONDS]
tk_wait_file() {
  local limit=${2:-30} i
  for i in $(seq 1 $((limit * 10))); do [ -s "$1" ] && return 0; sleep 0.1; done
  return 1
}

# A log with every block's date line replaced by <date>.
tk_log_without_dates() {
  awk -v stars="$STARS" '
    { line = $0; sub(/\r$/, "", line) }
    prev2 == stars && prev1 == "" && line != "" && line != stars { print "<date>\r"; prev2 = prev1; prev1 = line; next }
    { print; prev2 = prev1; prev1 = line }' "$1"
}

tk_screenshot() { import -window root "$SCENARIO_DIR/$1.png" 2>/dev/null && echo "screenshot: $SCENARIO_DIR/$1.png"; }

# tk_check DESCRIPTION COMMAND...: counts a failure without stopping the scenario.
tk_check() {
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; TK_E2E_FAILURES=$((TK_E2E_FAILURES + 1)); fi
}

# tk_same_file EXPECTED ACTUAL: byte for byte, showing the difference.
tk_same_file() { cmp -s "$1" "$2" || { diff <(cat -A "$1") <(cat -A "$2") | head -40; return 1; }; }

# Ends whatever still runs in the scenario's prefix (only processes of this prefix's wineserver).
tk_end_scenario() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

tk_e2e_result() { [ "$TK_E2E_FAILURES" -eq 0 ]; }
