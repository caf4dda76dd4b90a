# A healthy TK560 installation: its description file beside the program, the reader's driver and the
# system files it lists with their versions, and the CT-API library it names. Sourced by scripts/demo.
versioned="$STANDINS/versioned-files"

# Description files are Windows text files.
sed 's/$/\r/' "$DEMO/installation/Inst360.ini" > "$PROGDIR/Inst360.ini"

mkdir -p "$SYSTEM32/drivers"
cp "$versioned/v4-30-0-17.dll" "$SYSTEM32/drivers/tkr_drv.sys"
cp "$versioned/v5-1-2600-0.dll" "$SYSTEM32/drivers/smclib.sys"
cp "$versioned/v5-1-2600-0.dll" "$SYSTEM32/scardsvr.exe"

# The CT-API library: the CT-API stand-in where it is built (50-interfaces.sh sets it up), else a file
# that only carries a version.
if [ ! -e "$SYSTEM32/ctk560.dll" ]; then
  if [ -f "$STANDINS/ctk560.dll" ]; then
    cp "$STANDINS/ctk560.dll" "$SYSTEM32/ctk560.dll"
  else
    cp "$versioned/v1-2-0-5.dll" "$SYSTEM32/ctk560.dll"
  fi
fi
