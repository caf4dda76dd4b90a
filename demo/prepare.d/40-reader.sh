# The reader: a healthy TK560 on USB (driver V2.03, firmware V5.10), served by the reader simulator
# in place of the system's smart-card service (stand-ins/winscard/README.md).
cp "$STANDINS/winscard.dll" "$PROGDIR/"
cp "$DEMO/reader.scenario" "$PROGDIR/reader.scenario"
export TK560_SCARD_SCENARIO='C:\TK560\reader.scenario'
export TK560_SCARD_LOG='C:\TK560\winscard.log'
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winscard=n"
