#!/usr/bin/env bash
# TK560Probe's driver and firmware checks under Wine with the reader simulator as winscard.dll:
# a healthy reader, a reader that is not connected, and one whose firmware request fails after the
# driver check. The reader part of SetupProbe.log is compared byte for byte; the simulator's call log
# shows the scopes, share modes and dispositions used.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
tk_e2e_begin || exit 1

TITLE="Installation check tool"
VERSION_REPLY="00 00 00 00 02 03 05 10 00 00 00 00"

# An installation whose driver is found: description beside the program, driver with a version, no
# CT-API library and no ZKA test, so the run ends after the firmware check.
lay_out_installation() {
  tk_windows_xp
  sed 's/$/\r/' >"$PROGDIR/Inst560.ini" <<'INI'
[ReaderProperties]
ReaderEntriesCount=1
ReaderType=1
ReaderNameCount=1
Name1=TK560
HBCIInstall=0
[DriverProperties]
File9X=tkr_drv.vxd
FileNT=tkr_drv.sys
File2K=tkr_drv.sys
[ReaderProperties1]
ReaderName=Kavrin TK560 USB
HardwareID=USB\VID_2F1A&PID_C560
INI
  mkdir -p "$SYSTEM32/drivers"
  cp "$TK_STANDINS/versioned-files/v4-30-0-17.dll" "$SYSTEM32/drivers/tkr_drv.sys"
  cp "$TK_STANDINS/winscard.dll" "$PROGDIR/"
  export TK560_SCARD_SCENARIO='C:\TK560\reader.scenario'
  export TK560_SCARD_LOG='C:\TK560\winscard.log'
}
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winscard=n"

# run_scenario NAME < SCENARIO: one run of the program. Leaves in $SCENARIO_DIR the log's reader part
# (reader.txt: from the driver check's heading to the block's closing stars) and the calls (calls.txt).
run_scenario() {
  tk_scenario "reader-$1"
  lay_out_installation
  cat >"$PROGDIR/reader.scenario"
  tk_start "$PROGDIR" 'C:\TK560\TK560Probe.exe'
  tk_check "$1: main window appears" tk_wintool wait-window "$TITLE" 60000
  tk_check "$1: log written" tk_wait_file "$PROGDIR/SetupProbe.log" 20
  awk '/^Driver check:\r$/ { keep = 1 } keep { print } keep && /^\*+\r$/ { exit }' \
    "$PROGDIR/SetupProbe.log" >"$SCENARIO_DIR/reader.txt"
  tr -d '\r' <"$PROGDIR/winscard.log" >"$SCENARIO_DIR/calls.txt" 2>/dev/null || : >"$SCENARIO_DIR/calls.txt"
  tk_wintool close "$TITLE" >/dev/null
  tk_check "$1: program ends" tk_wait_exit 20
  tk_end_scenario
}

# expected_part < LINES: the lines, each ended by CR LF, then an empty line and the stars.
expected_part() { sed 's/$/\r/'; printf '\r\n%s\r\n' "$STARS"; }

# ---- a healthy reader
run_scenario healthy <<SCENARIO
reader Kavrin TK560 USB 0
  reply 0x312004 $VERSION_REPLY
  reply 0x3136B0 01 00 00 00 00
SCENARIO
expected_part >"$SCENARIO_DIR/expected.txt" <<'LINES'
Driver check:
    The Kavrin TK560 USB driver V2.03 is started.
 
Firmware Check:
    The Kavrin TK560 USB reader has the firmware V5.10.
    The Kavrin TK560 USB reader has the VTC9 Chip Rev C.
 
Result:
    The installation test is completed successfully.
LINES
tk_check "healthy: reader part of the protocol" tk_same_file "$SCENARIO_DIR/expected.txt" "$SCENARIO_DIR/reader.txt"
cat >"$SCENARIO_DIR/expected-calls.txt" <<'CALLS'
SCardEstablishContext(2) -> 0x0
SCardListReadersA(null) -> 0x0
SCardListReadersA(20) -> 0x0
SCardConnectA(Kavrin TK560 USB 0,3,0) -> 0x0
SCardControl(0x312004,-,12) -> 0x0
SCardDisconnect(2) -> 0x0
SCardCancel -> 0x0
SCardReleaseContext -> 0x0
SCardEstablishContext(2) -> 0x0
SCardListReadersA(null) -> 0x0
SCardListReadersA(20) -> 0x0
SCardConnectA(Kavrin TK560 USB 0,3,0) -> 0x0
SCardControl(0x312004,-,12) -> 0x0
SCardControl(0x3136B0,13 00,5) -> 0x0
SCardDisconnect(0) -> 0x0
SCardCancel -> 0x0
SCardReleaseContext -> 0x0
CALLS
tk_check "healthy: system scope, direct connect; unpower in the driver check, leave in the firmware check" \
  tk_same_file "$SCENARIO_DIR/expected-calls.txt" "$SCENARIO_DIR/calls.txt"

# ---- no reader attached
run_scenario not-connected <<'SCENARIO'
# the service runs but knows no reader
SCENARIO
expected_part >"$SCENARIO_DIR/expected.txt" <<'LINES'
Driver check:
    The Kavrin TK560 USB reader is not connected!
 
Result:
    Some tests are failed!
LINES
tk_check "not connected: reader part of the protocol" tk_same_file "$SCENARIO_DIR/expected.txt" "$SCENARIO_DIR/reader.txt"
printf '%s\n' 'SCardEstablishContext(2) -> 0x0' 'SCardListReadersA(null) -> 0x8010002E' 'SCardCancel -> 0x0' \
  'SCardReleaseContext -> 0x0' >"$SCENARIO_DIR/expected-calls.txt"
tk_check "not connected: the context is released and the firmware check does not run" \
  tk_same_file "$SCENARIO_DIR/expected-calls.txt" "$SCENARIO_DIR/calls.txt"

# ---- the direct connect is refused, and the firmware request fails after the driver check
run_scenario failing-request <<SCENARIO
reader Kavrin TK560 USB 0
  connect direct 0x8010000B
  reply-next 0x312004 $VERSION_REPLY
  reply-error 0x312004 0x1F
SCENARIO
expected_part >"$SCENARIO_DIR/expected.txt" <<'LINES'
Driver check:
    The Kavrin TK560 USB driver V2.03 is started.
 
Firmware Check:
    The function SCardControl returns error 0x1F.
    The firmware version could not be read!
 
Result:
LINES
# Compared up to the verdict heading: the verdict after an unread firmware is the run's business.
head -n 8 "$SCENARIO_DIR/expected.txt" >"$SCENARIO_DIR/expected-head.txt"
head -n 8 "$SCENARIO_DIR/reader.txt" >"$SCENARIO_DIR/reader-head.txt"
tk_check "failing request: reader part of the protocol" \
  tk_same_file "$SCENARIO_DIR/expected-head.txt" "$SCENARIO_DIR/reader-head.txt"
cat >"$SCENARIO_DIR/expected-calls.txt" <<'CALLS'
SCardEstablishContext(2) -> 0x0
SCardListReadersA(null) -> 0x0
SCardListReadersA(20) -> 0x0
SCardConnectA(Kavrin TK560 USB 0,3,0) -> 0x8010000B
SCardConnectA(Kavrin TK560 USB 0,2,3) -> 0x0
SCardControl(0x312004,-,12) -> 0x0
SCardDisconnect(2) -> 0x0
SCardCancel -> 0x0
SCardReleaseContext -> 0x0
SCardEstablishContext(2) -> 0x0
SCardListReadersA(null) -> 0x0
SCardListReadersA(20) -> 0x0
SCardConnectA(Kavrin TK560 USB 0,3,0) -> 0x8010000B
SCardConnectA(Kavrin TK560 USB 0,2,3) -> 0x0
SCardControl(0x312004,-,12) -> 0x1F
SCardControl(0x3136B0,13 00,5) -> 0x80100022
SCardDisconnect(0) -> 0x0
SCardCancel -> 0x0
SCardReleaseContext -> 0x0
CALLS
tk_check "failing request: shared connect after the refused direct one; the request in both checks" \
  tk_same_file "$SCENARIO_DIR/expected-calls.txt" "$SCENARIO_DIR/calls.txt"

tk_e2e_result
