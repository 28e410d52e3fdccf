# Sourced by the test and run scripts: a private Xvfb display and Wine prefix.
#   brsm_display_start   start Xvfb (24-bit) on a free display, export DISPLAY
#   brsm_wine_start DIR  make a fresh prefix in DIR, start its wineserver
#   brsm_wine_use DIR    run Wine in the existing prefix in DIR
#   brsm_wine_configure  fonts and window settings of the prefix in $WINEPREFIX
#   brsm_prefix_stop DIR end every process of the prefix in DIR
#   brsm_env_stop        end every process of the prefixes started or used
#                        here, then the Xvfb started here; scripts set
#                        'trap brsm_env_stop EXIT', which bash runs on errors
#                        and on Ctrl+C too
BRSM_XVFB_PID=""
BRSM_WINESERVER_PID=""
BRSM_PREFIXES=()

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Which Windows build Wine runs on this machine: the shipped 32-bit one, or,
# where the kernel runs no 32-bit code (Wine's 32-bit loader cannot start) or
# the 32-bit Wine could not be installed, the same sources built for 64-bit
# Windows and run by the 64-bit Wine.
brsm_wine_build() {
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine ]; then
    echo win32
  else
    echo win64
  fi
}
BRSM_WINE_BUILD=$(brsm_wine_build)
if [ "$BRSM_WINE_BUILD" = win32 ]; then
  export WINEARCH=win32 BRSM_WINE=wine
else
  export WINEARCH=win64 BRSM_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
fi

brsm_display_start() {
  local n=90
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  BRSM_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -e /tmp/.X11-unix/X$n ] && break
    kill -0 "$BRSM_XVFB_PID" 2>/dev/null || { echo "Xvfb failed to start" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=:$n
}

brsm_wine_start() {
  local prefix=$1 decorated=${2:-N}
  # Processes an earlier run left in the prefix would live on without it.
  brsm_prefix_stop "$prefix"
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  brsm_wine_use "$prefix"
  "$BRSM_WINE" wineboot -i >/dev/null 2>&1 || true
  brsm_wine_configure "$decorated"
  wineserver -w
  [ -d "$prefix/drive_c/windows" ] || { echo "Wine prefix was not created in $prefix" >&2; return 1; }
  # One persistent server for the whole run, so each program starts quickly.
  wineserver -f -p >/dev/null 2>&1 &
  BRSM_WINESERVER_PID=$!
  # Start the prefix's services once, before programs race to start them.
  "$BRSM_WINE" cmd.exe /c exit >/dev/null 2>&1 || true
}

brsm_wine_use() {
  export WINEPREFIX=$1
  BRSM_PREFIXES+=("$1")
}

# Settings of the prefix in $WINEPREFIX; DECORATED is N without a window
# manager, Y with one.
brsm_wine_configure() {
  local decorated=${1:-N} managed=Y
  # Without a window manager Wine draws the window frames itself, and
  # manages the windows itself: nobody would answer its wait for a hidden
  # window to be withdrawn (two seconds each time).
  [ "$decorated" = N ] && managed=N
  "$BRSM_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d "$decorated" /f >/dev/null 2>&1 || true
  "$BRSM_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1 || true
  # Wine's own TrueType fonts (from fonts-wine): Marlett draws the caption
  # buttons; Tahoma, which has Cyrillic, stands in for the Windows UI faces
  # that Wine lacks, instead of a wide fallback.
  if [ -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  local face
  for face in "MS Sans Serif" "Microsoft Sans Serif" "MS Shell Dlg" "Segoe UI"; do
    "$BRSM_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v "$face" /d Tahoma /f >/dev/null 2>&1 || true
  done
}

# Wine's own processes (loader and server) whose environment names exactly
# the prefix DIR: never another prefix's, nor a script that only exports it.
brsm_prefix_pids() {
  local f pid
  for f in $(grep -lsxzF "WINEPREFIX=$1" /proc/[0-9]*/environ); do
    pid=${f#/proc/}
    pid=${pid%/environ}
    case $(readlink "/proc/$pid/exe") in /usr/lib/wine/*) echo "$pid" ;; esac
  done
}

# Ends every process of the prefix DIR. Its server ends its programs; its
# service processes outlive a server that was ended by other means (killed
# by its PID, or never known here) and are ended one by one.
brsm_prefix_stop() {
  local prefix=$1 pid i
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 || true
  for i in $(seq 1 50); do
    pid=$(brsm_prefix_pids "$prefix")
    [ -z "$pid" ] && return 0
    kill -KILL $pid 2>/dev/null || true
    sleep 0.1
  done
  echo "wine-env: processes of $prefix are still running: $pid" >&2
}

brsm_env_stop() {
  local prefix
  for prefix in "${BRSM_PREFIXES[@]}"; do
    brsm_prefix_stop "$prefix"
  done
  BRSM_PREFIXES=()
  if [ -n "$BRSM_WINESERVER_PID" ]; then
    kill "$BRSM_WINESERVER_PID" 2>/dev/null || true
    wait "$BRSM_WINESERVER_PID" 2>/dev/null || true
    BRSM_WINESERVER_PID=""
  fi
  if [ -n "$BRSM_XVFB_PID" ]; then
    kill "$BRSM_XVFB_PID" 2>/dev/null || true
    wait "$BRSM_XVFB_PID" 2>/dev/null || true
    BRSM_XVFB_PID=""
  fi
}
