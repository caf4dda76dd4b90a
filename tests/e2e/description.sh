#!/usr/bin/env bash
# TK560Probe under Wine with real description files, driver, library and system files (versioned
# stand-ins copied under their names): the installation and system files checks as SetupProbe.log
# stores them, the description named by the registry list, and no description at all.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
tk_e2e_begin || exit 1

VERSIONED="$TK_STANDINS/versioned-files"
TITLE="Installation check tool"

# Windows text lines (CRLF) from the arguments.
crlf_lines() { local line; for line in "$@"; do printf '%s\r\n' "$line"; done; }

# description < TEXT > FILE: a description file as the setup writes it (CRLF line ends).
description() { sed 's/$/\r/'; }

place() {  # VERSION|none PATH
  mkdir -p "$(dirname "$2")"
  if [ "$1" = none ]; then cp "$VERSIONED/no-version.dll" "$2"; else cp "$VERSIONED/v${1//./-}.dll" "$2"; fi
}

start_and_wait_for_log() {  # TITLE ARGS...
  local title=$1; shift
  tk_start "$PROGDIR" 'C:\TK560\TK560Probe.exe' "$@"
  tk_check "$TK_SCENARIO: main window appears" tk_wintool wait-window "$title" 60000
  tk_check "$TK_SCENARIO: SetupProbe.log written" tk_wait_file "$PROGDIR/SetupProbe.log" 20
  tk_log_without_dates "$PROGDIR/SetupProbe.log" >"$SCENARIO_DIR/log.txt"
}

close_window() {  # TITLE
  tk_wintool close "$1" >/dev/null
  tk_check "$TK_SCENARIO: program ends with its window" tk_wait_exit 20
  tk_end_scenario
}

# 1. The registry list names the description (lower-cased on the way) and asks for the ZKA test; the
#    driver is missing, so the run ends after the system files with a failed verdict: the whole block
#    is known byte for byte.
tk_scenario description-from-registry
tk_windows_xp
mkdir -p "$DRIVE_C/Setup"
description >"$DRIVE_C/Setup/INST360.INI" <<'INI'
[ReaderProperties]
ReaderEntriesCount=1
ReaderType=1
ReaderNameCount=1
Name1=TK560
HBCIInstall=1
[DriverProperties]
File2K=tkr_drv.sys
[SystemFiles]
SystemFilesCount=4
File1=smclib.sys
File2=scardsvr.exe
File3=plain.dll
File4=missing.dll
[ReaderProperties1]
ReaderName=Kavrin TK560 USB
[CTAPIProperties]
DllName="ctk560.dll"
INI
list='HKLM\SOFTWARE\SmartCardReader Installation\InstallationTest'
tk_reg "$list" Reader REG_SZ 'C:\Setup\INST360.INI'
tk_reg "$list" TestZKA REG_DWORD 1
place 1.2.0.5 "$SYSTEM32/ctk560.dll"
place 5.1.2600.0 "$SYSTEM32/drivers/smclib.sys"
place 2.5.10.3 "$SYSTEM32/scardsvr.exe"
place none "$SYSTEM32/plain.dll"
start_and_wait_for_log "$TITLE"
{
  printf '%s\r\n\r\n<date>\r\n\r\n' "$STARS"
  crlf_lines "Microsoft Windows XP" "Version 5.1 Service Pack 3 ( Build 2600 )" " " \
    "Installation check:" \
    '    ERROR: C:\windows\system32\drivers\tkr_drv.sys device driver is not installed!' \
    "         Please start the Setup to install the device driver!" " " \
    "    CT-API DLL ctk560.dll Version 1.2.0.5. is installed." \
    '    ERROR: \ZkaSigApi.dll is not installed!' \
    "         Please start the Setup to install the DLL!" " " \
    " " "System Files Installation Check:" \
    "    smclib.sys Version 5.1.2600.0. is installed" \
    "    scardsvr.exe Version 2.5.10.3. is installed" \
    '    ERROR: C:\windows\system32\missing.dll is not installed!' \
    "         Please start the Setup to install the DLL!" " " \
    " " "Result:" "    Some tests are failed!"
  printf '\r\n%s\r\n' "$STARS"
} >"$SCENARIO_DIR/expected.txt"
tk_check "registry: the stored protocol, byte for byte" tk_same_file "$SCENARIO_DIR/expected.txt" "$SCENARIO_DIR/log.txt"
close_window "$TITLE"

# 2. A healthy installation with its description beside the program, in German: the installation
#    and system files checks open the block; the reader checks follow them.
tk_scenario description-beside-program
tk_windows_xp
description >"$PROGDIR/Inst360.ini" <<'INI'
[ReaderProperties]
ReaderEntriesCount=1
ReaderType=1
ReaderNameCount=1
Name1=TK560
HBCIInstall=1
[DriverProperties]
File9X=tkr_drv.vxd
FileNT=tkr_drv.sys
File2K=tkr_drv.sys
[SystemFiles]
SystemFilesCount=1
File1=smclib.sys
[ReaderProperties1]
ReaderName=Kavrin TK560 USB
[CTAPIProperties]
DllName=ctk560.dll
INI
place 4.30.0.17 "$SYSTEM32/drivers/tkr_drv.sys"
place 1.2.0.5 "$SYSTEM32/ctk560.dll"
place 5.1.2600.0 "$SYSTEM32/drivers/smclib.sys"
TITLE_DE="Installationcheck-Programm"
start_and_wait_for_log "$TITLE_DE" -d
{
  printf '%s\r\n\r\n<date>\r\n\r\n' "$STARS"
  crlf_lines "Microsoft Windows XP" "Version 5.1 Service Pack 3 ( Build 2600 )" " " \
    "Check der Installation:" \
    "$(printf '    Ger\xe4tetreiber tkr_drv.sys Version 4.30.0.17. ist installiert.')" \
    "    CT-API DLL ctk560.dll Version 1.2.0.5. ist installiert." \
    " " "Check der System Dateien:" \
    "    smclib.sys Version 5.1.2600.0. ist installiert" \
    " "
} >"$SCENARIO_DIR/expected-start.txt"
head -c "$(wc -c <"$SCENARIO_DIR/expected-start.txt")" "$SCENARIO_DIR/log.txt" >"$SCENARIO_DIR/log-start.txt"
tk_check "beside: the block opens with the installation checks, byte for byte" \
  tk_same_file "$SCENARIO_DIR/expected-start.txt" "$SCENARIO_DIR/log-start.txt"
close_window "$TITLE_DE"

# 3. No description anywhere: the message, then the program ends without a window or a log.
tk_scenario no-description
tk_windows_xp
tk_start "$PROGDIR" 'C:\TK560\TK560Probe.exe'
tk_check "none: the message box appears" tk_wintool wait-window TK560Probe 60000
tk_check "none: the message says why" test "$(tk_wintool text TK560Probe 0xffff)" = \
  "$(printf 'No TK560 Reader information available. \nInstall the reader and try again')"
tk_screenshot message
tk_wintool click TK560Probe 1 >/dev/null
tk_check "none: the program ends once the message is answered" tk_wait_exit 20
tk_check "none: no log was written" test -z "$(find "$DRIVE_C" -iname SetupProbe.log)"
tk_end_scenario

tk_e2e_result
