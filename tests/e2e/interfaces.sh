#!/usr/bin/env bash
# TK560Probe's interface tests and the firmware update hand-off under Wine, on the demo installation
# (demo/prepare.d): a full healthy run through the CT-API and ZKA stand-ins, built stdcall and then
# cdecl, compared byte for byte with the calls they logged; then the hand-off at start-up with the
# launcher stand-in answering 1 (message box answered, launcher started with -D in German, program
# ended, one protocol in the log).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
tk_e2e_begin || exit 1


# The demo installation in the scenario's prefix: description, driver, reader, interfaces, launcher.
lay_out_installation() {
  tk_windows_xp
  export PREFIX=$WINEPREFIX STANDINS=$TK_STANDINS DEMO=$TK_ROOT/demo PROGDIR SYSTEM32
  local piece
  for piece in "$TK_ROOT"/demo/prepare.d/*.sh; do
    # shellcheck disable=SC1090
    [ -f "$piece" ] && . "$piece"
  done
}

# unix_log FILE: a stand-in's log without its line ends' carriage returns (empty when missing).
unix_log() { tr -d '\r' <"$1" 2>/dev/null; }

healthy_run() {  # NAME CONVENTION(stdcall|cdecl)
  local name=$1 title="Installation check tool"
  tk_scenario "interfaces-$name"
  lay_out_installation
  if [ "$2" = cdecl ]; then
    cp "$TK_STANDINS/cdecl/ctk560.dll" "$SYSTEM32/ctk560.dll"
    cp "$TK_STANDINS/cdecl/ZkaSigApi.dll" "$DRIVE_C/ZKA/ZkaSigApi.dll"
  fi
  tk_start "$PROGDIR" 'C:\TK560\TK560Probe.exe'
  tk_check "$name: main window appears" tk_wintool wait-window "$title" 60000
  tk_check "$name: log written" tk_wait_file "$PROGDIR/SetupProbe.log" 20
  tk_screenshot "$name" >/dev/null

  awk '/^Test of the CT-API Interface:\r$/ { keep = 1 } keep { print } keep && /^Result:\r$/ { getline; print; exit }' \
    "$PROGDIR/SetupProbe.log" >"$SCENARIO_DIR/interfaces.txt"
  sed 's/$/\r/' >"$SCENARIO_DIR/expected-interfaces.txt" <<'PROTOCOL'
Test of the CT-API Interface:
    CT-API DLL KV-CTAPI 3.1 (stand-in) successful loaded!
 
    Test of the Kavrin TK560 USB reader (Port 1):
        CT_Init ( 1, 1 ): OK!
        CT_Data (Command 'Reset CT'): OK! Response: 9000
        CT_Data (Command 'Reset ICC'): OK! Response:
           3B FF 18 00 FF 81 31 FE 45 65 63 11 
        CT_Close: OK!
 
Test of the ZKA-Sig-API Interface:
 
    ZkaSigApi DLL Version 2.0.0.4 (stand-in) successful loaded!
    Test of the Kavrin TK560 USB reader:
        zka_sig_open: OK!
        zka_sig_card_available: OK! ( Signature card inserted )
        zka_sig_close: OK!
 
Result:
    The installation test is completed successfully.
PROTOCOL
  tk_check "$name: CT-API and ZKA sections and the verdict" \
    tk_same_file "$SCENARIO_DIR/expected-interfaces.txt" "$SCENARIO_DIR/interfaces.txt"
  tk_check "$name: installation check found both libraries" \
    grep -qa "^    CT-API DLL ctk560.dll Version 3.1.0.7. is installed."$'\r'"\$" "$PROGDIR/SetupProbe.log"

  unix_log "$PROGDIR/ctapi.log" >"$SCENARIO_DIR/ctapi-calls.txt"
  cat >"$SCENARIO_DIR/expected-ctapi-calls.txt" <<'CALLS'
Get_VersionString text=cleared number=3
CT_init ctn=1 pn=1 -> 0
CT_data ctn=1 dad=1 sad=2 lenc=5 command=2010000000 lenr=100 response=cleared -> 0 lenr=2
CT_data ctn=1 dad=1 sad=2 lenc=5 command=2010010100 lenr=100 response=cleared -> 0 lenr=12
CT_close ctn=1 -> 0
CALLS
  tk_check "$name: CT-API calls and arguments" \
    tk_same_file "$SCENARIO_DIR/expected-ctapi-calls.txt" "$SCENARIO_DIR/ctapi-calls.txt"
  unix_log "$DRIVE_C/ZKA/zka.log" >"$SCENARIO_DIR/zka-calls.txt"
  cat >"$SCENARIO_DIR/expected-zka-calls.txt" <<'CALLS'
zka_sig_open reader=Kavrin TK560 USB 0 buffers=cleared -> 0 errlen=0 handle=257
zka_sig_card_available handle=257 -> 0 errlen=0
zka_sig_close handle=257 -> 0 errlen=0
CALLS
  tk_check "$name: ZKA calls and arguments" tk_same_file "$SCENARIO_DIR/expected-zka-calls.txt" "$SCENARIO_DIR/zka-calls.txt"

  # The launcher was asked at start-up and once more after the run; it found the firmware fitting.
  unix_log "$DRIVE_C/USBDFU/romloader.log" >"$SCENARIO_DIR/launcher.txt"
  tk_check "$name: launcher asked twice, quoted, with -CHECK" \
    test "$(grep -c '| "C:\\USBDFU\\Romloader.exe" -CHECK | C:\\TK560$' "$SCENARIO_DIR/launcher.txt")" = 2
  tk_check "$name: no hand-off message" test -z "$(tk_wintool windows | grep -x 'SetupProbe Tool')"

  tk_wintool close "$title" >/dev/null
  tk_check "$name: program ends" tk_wait_exit 20
  tk_end_scenario
}

healthy_run healthy stdcall
healthy_run cdecl cdecl

# ---- hand-off at start-up, in German
tk_scenario interfaces-handoff
lay_out_installation
sed 's/$/\r/' >"$DRIVE_C/USBDFU/romloader.script" <<'SCRIPT'
exit 1
log C:\USBDFU\romloader.log
SCRIPT
tk_start "$PROGDIR" 'C:\TK560\TK560Probe.exe' -D
tk_check "handoff: window shows the run" tk_wintool wait-window "Installationcheck-Programm" 60000
tk_check "handoff: message box appears" tk_wintool wait-window "SetupProbe Tool" 30000
tk_screenshot handoff-message >/dev/null
printf 'Die Firmwareversion des Lesers ist nicht kompatibel zur installierten Software.\nDas Programm Romflash wird jetzt gestartet.\n' \
  >"$SCENARIO_DIR/expected-message.txt"
tk_wintool text "SetupProbe Tool" 65535 | iconv -f CP1252 -t UTF-8 >"$SCENARIO_DIR/message.txt"
tk_check "handoff: German message" tk_same_file "$SCENARIO_DIR/expected-message.txt" "$SCENARIO_DIR/message.txt"
tk_wintool click "SetupProbe Tool" 1 >/dev/null
tk_check "handoff: program ends after the message" tk_wait_exit 30
tk_check "handoff: launcher started through the shell" tk_wait_file "$DRIVE_C/USBDFU/romloader.log" 10
for _ in $(seq 1 100); do
  [ "$(unix_log "$DRIVE_C/USBDFU/romloader.log" | wc -l)" -ge 2 ] && break
  sleep 0.1
done
unix_log "$DRIVE_C/USBDFU/romloader.log" >"$SCENARIO_DIR/launcher.txt"
tk_check "handoff: asked first with -CHECK" \
  test "$(sed -n 1p "$SCENARIO_DIR/launcher.txt")" = 'start C:\USBDFU\Romloader.exe | "C:\USBDFU\Romloader.exe" -CHECK | C:\TK560'
# The shell hands the file on quoted, as given or with its folder, then the parameters.
tk_check "handoff: then started with -D in its own folder" \
  grep -qxE 'start C:\\USBDFU\\Romloader\.exe \| "(C:\\USBDFU\\)?Romloader\.exe" -D \| C:\\USBDFU' \
  <(sed -n 2p "$SCENARIO_DIR/launcher.txt")
tk_check "handoff: nothing else started" test "$(wc -l <"$SCENARIO_DIR/launcher.txt")" = 2
tk_check "handoff: one protocol in the log" test "$(grep -c "^$STARS"$'\r'"\$" "$PROGDIR/SetupProbe.log")" = 2
tk_check "handoff: the protocol ends with the verdict" \
  grep -qa "^    Der Installationstest war erfolgreich."$'\r'"\$" "$PROGDIR/SetupProbe.log"
tk_end_scenario

tk_e2e_result
