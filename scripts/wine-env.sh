# Sourced by the scripts that run Windows programs under Wine.
# Gives: tk_wine_template (a prepared prefix, made once), tk_wine_prefix DIR (a fresh copy),
# tk_start_display (an Xvfb of our own unless DISPLAY is set), tk_stop_display.

TK_WINE_ROOT=${TK_WINE_ROOT:-/tmp/tk560-wine-$(id -u)}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win32
# An English system locale: the log file's month names and the date pictures follow it.
export LANG=${TK_WINE_LANG:-en_US.UTF-8}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

tk_wine_template() {
  local template="$TK_WINE_ROOT/template"
  mkdir -p "$TK_WINE_ROOT"
  (
    flock 9
    if [ ! -f "$template/.ready" ]; then
      rm -rf "$template"
      WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 || true
      # Without a window manager Wine waits about 2 s whenever a managed window hides.
      WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      WINEPREFIX="$template" wineserver -w
      touch "$template/.ready"
    fi
  ) 9>"$TK_WINE_ROOT/.lock"
  echo "$template"
}

# A fresh prefix at DIR, copied from the template.
tk_wine_prefix() {
  local dir=$1 template
  template=$(tk_wine_template)
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  cp -a "$template" "$dir"
  rm -f "$dir/.ready"
}

TK_OWN_XVFB_PID=
tk_start_display() {
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    TK_OWN_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$TK_OWN_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

tk_stop_display() {
  if [ -n "$TK_OWN_XVFB_PID" ]; then
    kill "$TK_OWN_XVFB_PID" 2>/dev/null || true
    wait "$TK_OWN_XVFB_PID" 2>/dev/null || true
    TK_OWN_XVFB_PID=
  fi
}

# True when this machine can run 32-bit Windows programs under Wine; otherwise says why in
# TK_WINE_UNUSABLE_REASON. (Some kernels are booted without 32-bit emulation.)
tk_wine_usable() {
  TK_WINE_UNUSABLE_REASON=
  if ! command -v wine >/dev/null 2>&1; then
    TK_WINE_UNUSABLE_REASON="wine is not installed"
    return 1
  fi
  local loader=/usr/lib/wine/wine
  [ -x "$loader" ] || loader=$(command -v wine)
  if ! "$loader" --version >/dev/null 2>&1; then
    TK_WINE_UNUSABLE_REASON="the 32-bit Wine loader cannot run here ($("$loader" --version 2>&1 | head -n 1)); the kernel has no 32-bit emulation (ia32_emulation)"
    return 1
  fi
  return 0
}
