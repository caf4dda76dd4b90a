# The interface libraries and the firmware update launcher (stand-ins, see README.md):
# - the CT-API stand-in as ctk560.dll in the system folder, answering a healthy reset with a card inserted;
# - the ZKA signature stand-in in C:\ZKA, named by ZKA_SIG_HOME, opening the reader at once;
# - Romloader.exe in C:\USBDFU, beside the program's folder, finding the firmware fitting (exit code 0),
#   so that the demo stays interactive.
# The ZKA test is wanted only by the registry list of installed readers, which the tool reads only when
# no description file lies beside it: the description moves to C:\Setup and is named there, with TestZKA.
drive_c="$PREFIX/drive_c"

cp "$STANDINS/ctk560.dll" "$SYSTEM32/ctk560.dll"
sed 's/$/\r/' > "$PROGDIR/ctapi.script" <<'SCRIPT'
version KV-CTAPI 3.1 (stand-in)
data 2010000000 0 9000
data 2010010100 0 3BFF1800FF8131FE45656311
log C:\TK560\ctapi.log
SCRIPT
export TK_CTAPI_SCRIPT='C:\TK560\ctapi.script'

mkdir -p "$drive_c/ZKA"
cp "$STANDINS/ZkaSigApi.dll" "$drive_c/ZKA/ZkaSigApi.dll"
sed 's/$/\r/' > "$drive_c/ZKA/zka.script" <<'SCRIPT'
version 2.0.0.4 (stand-in)
log C:\ZKA\zka.log
SCRIPT
export ZKA_SIG_HOME='C:\ZKA'
export TK_ZKA_SCRIPT='C:\ZKA\zka.script'

mkdir -p "$drive_c/USBDFU"
cp "$STANDINS/Romloader.exe" "$drive_c/USBDFU/Romloader.exe"
sed 's/$/\r/' > "$drive_c/USBDFU/romloader.script" <<'SCRIPT'
exit 0
log C:\USBDFU\romloader.log
SCRIPT
export TK_ROMLOADER_SCRIPT='C:\USBDFU\romloader.script'

mkdir -p "$drive_c/Setup"
for description in "$PROGDIR"/[Ii]nst*.ini; do
  [ -f "$description" ] && mv "$description" "$drive_c/Setup/inst360.ini"
done
installed='HKLM\SOFTWARE\SmartCardReader Installation\InstallationTest'
wine reg add "$installed" /v TestZKA /t REG_SZ /d 1 /f >/dev/null 2>&1
wine reg add "$installed" /v TK560 /t REG_SZ /d 'C:\Setup\inst360.ini' /f >/dev/null 2>&1
