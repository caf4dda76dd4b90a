#!/usr/bin/env bash
# Romgauge under Wine with the reader simulator as winscard.dll: a reader with the required firmware
# (its calls checked one by one, then the language button), a USB and a serial reader with different
# firmware, no reader, and a resource manager that is not running. The message area is read from
# the running window.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
tk_e2e_begin || exit 1
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winscard=n"

ENGLISH_TITLE="Checks the firmware version of the TK560 readers"
GERMAN_TITLE="Überprüfung der Firmwareversion der TK560 Leser"
USB="Kavrin Inc. TKx60 USB Smart Card Reader"
TK160="Kavrin Inc. TK160 Serial Smart Card Reader"
reply() { printf '00 00 00 00 02 03 %s 00 00 00 00' "$1"; }

# start_gauge NAME < SCENARIO: Romgauge in a fresh prefix, its window up in English.
start_gauge() {
  tk_scenario "gauge-$1"
  cp "$TK_DIST/Romgauge.exe" "$TK_STANDINS/winscard.dll" "$PROGDIR/"
  cat >"$PROGDIR/reader.scenario"
  export TK560_SCARD_SCENARIO='C:\TK560\reader.scenario'
  export TK560_SCARD_LOG='C:\TK560\winscard.log'
  tk_start "$PROGDIR" 'C:\TK560\Romgauge.exe'
  tk_check "$1: window appears" tk_wintool wait-window "$ENGLISH_TITLE" 60000
}

# message TITLE FILE: the message area's text in UTF-8, as wintool prints it (the text, then a line end).
message() { tk_wintool text "$1" 1000 | iconv -f CP1252 -t UTF-8 >"$2"; }

# expect_message WHAT TITLE TEXT: TEXT is a printf format (\n for the line breaks).
expect_message() {
  # shellcheck disable=SC2059
  printf "$3\n" >"$SCENARIO_DIR/expected-message.txt"
  message "$2" "$SCENARIO_DIR/message.txt"
  tk_check "$1" tk_same_file "$SCENARIO_DIR/expected-message.txt" "$SCENARIO_DIR/message.txt"
}

# stop_gauge NAME TITLE: closes the window; the simulator's calls end up in $SCENARIO_DIR/calls.txt.
stop_gauge() {
  tk_wintool close "$2" >/dev/null
  tk_check "$1: program ends" tk_wait_exit 20
  tr -d '\r' <"$PROGDIR/winscard.log" >"$SCENARIO_DIR/calls.txt" 2>/dev/null || : >"$SCENARIO_DIR/calls.txt"
  tk_end_scenario
}

# ---- one USB reader with the required firmware, then the language button
start_gauge healthy <<SCENARIO
reader $USB 0
  reply 0x312004 $(reply "05 10")
SCENARIO
expect_message "healthy: required firmware" "$ENGLISH_TITLE" '\nThe TK560-USB reader has the required firmware V5.10.\n'
tk_screenshot gauge-english >/dev/null
tk_wintool click "$ENGLISH_TITLE" 1001 >/dev/null
tk_check "healthy: German title after the language button" tk_wintool wait-window "$GERMAN_TITLE" 20000
tk_check "healthy: the button names English" \
  test "$(tk_wintool text "$GERMAN_TITLE" 1001 | iconv -f CP1252 -t UTF-8)" = "&English"
expect_message "healthy: German text" "$GERMAN_TITLE" '\nDer TK560-USB Leser hat die erforderliche Firmwareversion V5.10.\n'
tk_screenshot gauge-german >/dev/null
stop_gauge healthy "$GERMAN_TITLE"
cat >"$SCENARIO_DIR/expected-check.txt" <<CALLS
SCardEstablishContext(0) -> 0x0
SCardListReadersA(null) -> 0x0
SCardListReadersA(43) -> 0x0
SCardConnectA($USB 0,2,3) -> 0x0
SCardDisconnect(2) -> 0x0
SCardCancel -> 0x0
SCardReleaseContext -> 0x0
SCardEstablishContext(0) -> 0x0
SCardConnectA($USB 0,3,0) -> 0x0
SCardControl(0x312004,-,12) -> 0x0
SCardDisconnect(0) -> 0x0
SCardCancel -> 0x0
SCardReleaseContext -> 0x0
CALLS
# Wine may announce devices of its own while the program runs, each a further check: the first and
# the last check are compared, and the language button must have made one.
head -n 13 "$SCENARIO_DIR/calls.txt" >"$SCENARIO_DIR/first-check.txt"
tail -n 13 "$SCENARIO_DIR/calls.txt" >"$SCENARIO_DIR/last-check.txt"
tk_check "healthy: user scope, a shared connect to detect, one direct connect to ask" \
  tk_same_file "$SCENARIO_DIR/expected-check.txt" "$SCENARIO_DIR/first-check.txt"
tk_check "healthy: the language button checks again" \
  tk_same_file "$SCENARIO_DIR/expected-check.txt" "$SCENARIO_DIR/last-check.txt"
tk_check "healthy: at least two checks" test "$(grep -c '^SCardEstablishContext(0)' "$SCENARIO_DIR/calls.txt")" -ge 4

# ---- a USB reader with other firmware and a serial reader listed before it
start_gauge two-kinds <<SCENARIO
reader $TK160 0
  reply 0x312004 $(reply "05 10")
reader $USB 0
  reply 0x312004 $(reply "05 11")
SCENARIO
expect_message "two kinds: USB text first, both firmware versions" "$ENGLISH_TITLE" \
  '\nThe TK560-USB reader has the firmware V5.11.\nThe required firmware is V5.10!\n\nThe TK560-Serial reader has the required firmware V5.10.\n'
stop_gauge two-kinds "$ENGLISH_TITLE"
tk_check "two kinds: the other serial name is tried and is unknown" \
  grep -qxF "SCardConnectA(Kavrin Inc. TKx60 Serial Smart Card Reader 0,3,0) -> 0x80100009" "$SCENARIO_DIR/calls.txt"

# ---- the service runs but knows no reader
start_gauge no-reader </dev/null
expect_message "no reader" "$ENGLISH_TITLE" '\n\n\nNo TK560 reader found!'
stop_gauge no-reader "$ENGLISH_TITLE"

# ---- the resource manager is not running
start_gauge no-service <<'SCENARIO'
context 0x8010001D
SCENARIO
expect_message "no service" "$ENGLISH_TITLE" '\n\n\nThe Smart card resource manager is not running.'
stop_gauge no-service "$ENGLISH_TITLE"

tk_e2e_result
