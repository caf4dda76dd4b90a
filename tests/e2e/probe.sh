#!/usr/bin/env bash
# TK560Probe under Wine: the window's protocol and SetupProbe.log, in English and in German (-d),
# the language switch appending a second block, and the program ending with its window.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
tk_e2e_begin || exit 1

CR=$'\r'

# The block a run must have stored: built from the list box lines up to the verdict.
expected_block() {  # LINES_FILE LANGUAGE(en|de)
  local lines=$1 n
  n=$(wc -l <"$lines")
  printf '%s\r\n\r\n<date>\r\n\r\n' "$STARS"
  head -n $((n - 3)) "$lines" | sed "s/\$/$CR/"
  printf '\r\n%s\r\n' "$STARS"
}

lay_out_installation() {
  tk_windows_xp
  # The description file of the reader; without one the program only says so and ends.
  if ls "$TK_ROOT"/tests/e2e/fixtures/Inst*.ini >/dev/null 2>&1; then
    cp "$TK_ROOT"/tests/e2e/fixtures/Inst*.ini "$PROGDIR/"
  fi
}

run_language() {  # NAME ARGS TITLE STORED_HEADING
  local name=$1 args=$2 title=$3 heading=$4
  tk_scenario "probe-$name"
  lay_out_installation
  tk_start "$PROGDIR" 'C:\TK560\TK560Probe.exe' $args
  tk_check "$name: main window \"$title\" appears" tk_wintool wait-window "$title" 60000
  tk_wintool lines "$title" 1001 >"$SCENARIO_DIR/list.txt"
  tk_check "$name: first lines are the Windows version" \
    test "$(head -n 2 "$SCENARIO_DIR/list.txt")" = "Microsoft Windows XP
Version 5.1 Service Pack 3 ( Build 2600 )"
  tk_check "$name: storage lines name the log" \
    test "$(tail -n 2 "$SCENARIO_DIR/list.txt")" = "$heading
    C:\\TK560\\SetupProbe.log"
  tk_log_without_dates "$PROGDIR/SetupProbe.log" >"$SCENARIO_DIR/log.txt"
  expected_block "$SCENARIO_DIR/list.txt" >"$SCENARIO_DIR/expected.txt"
  tk_check "$name: log holds exactly the window's protocol" tk_same_file "$SCENARIO_DIR/expected.txt" "$SCENARIO_DIR/log.txt"
  tk_check "$name: date line form" grep -qaE "^[^ ]+ [^ ]+ [0-9]{4}, [0-9]{2}:[0-9]{2}( [AP]M| Uhr)?$CR\$" "$PROGDIR/SetupProbe.log"
  tk_screenshot main-window
}

run_language english "" "Installation check tool" "The protocol is stored in:"
other="Installationcheck-Programm"
tk_wintool click "Installation check tool" 1002 >/dev/null
tk_check "english: language button switches the title" tk_wintool wait-window "$other" 20000
sleep 1
tk_wintool lines "$other" 1001 >"$SCENARIO_DIR/list-de.txt"
tk_log_without_dates "$PROGDIR/SetupProbe.log" >"$SCENARIO_DIR/log2.txt"
{ cat "$SCENARIO_DIR/expected.txt"; printf '\r\n\r\n'; expected_block "$SCENARIO_DIR/list-de.txt"; } >"$SCENARIO_DIR/expected2.txt"
tk_check "english: switch appends a German block after two empty lines" tk_same_file "$SCENARIO_DIR/expected2.txt" "$SCENARIO_DIR/log2.txt"
tk_check "english: German block's time ends in Uhr" grep -qa " Uhr$CR\$" "$PROGDIR/SetupProbe.log"
tk_check "english: button caption names English" test "$(tk_wintool text "$other" 1002)" = "&English"
tk_wintool close "$other" >/dev/null
tk_check "english: program ends with its window" tk_wait_exit 20
tk_end_scenario

run_language german "-d" "Installationcheck-Programm" "Das Protokoll wurde gespeichert als:"
tk_wintool click "Installationcheck-Programm" 1 >/dev/null
tk_check "german: Close ends the program" tk_wait_exit 20
tk_end_scenario

tk_e2e_result
