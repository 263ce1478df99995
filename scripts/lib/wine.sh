# Wine for this project's scripts, sourced by them (POSIX sh, so that the
# build tree's launcher wine-run.sh can source it too):
#   . "$root/scripts/lib/wine.sh"
# The Wine of Debian's wine64 package, called by its full path: the wine64
# wrapper on PATH may be another Wine, or none.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# wine_env PREFIX: every Windows program of the project runs in a prefix of
# its own, quiet, without Mono or Gecko, in Japanese (ANSI code page 932), as
# on the users' machines. WINEDEBUG, when set, is kept.
wine_env() {
  export WINEPREFIX="$1"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
}

# wine_stop: stops the wine server of $WINEPREFIX, only that one, and waits
# until it has gone.
wine_stop() {
  "$wineserver" -k >/dev/null 2>&1 || true
  "$wineserver" -w >/dev/null 2>&1 || true
}

# wine_start [DPI]: starts a persistent wine server for $WINEPREFIX and
# Wine's services, with their output going nowhere, and waits until they run:
# what starts after this pays for neither, and no service holds its output
# open. With DPI, the prefix's screen DPI is set first (every process reads
# it when it starts).
wine_start() {
  "$wineserver" -p >/dev/null 2>&1 </dev/null
  if [ -n "${1:-}" ]; then
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 </dev/null
  fi
  "$wine" cmd /c exit >/dev/null 2>&1 </dev/null
}

# wine_copy_golden GOLDEN: $WINEPREFIX becomes a fresh copy of the golden
# prefix GOLDEN (its server stopped first).
wine_copy_golden() {
  wine_stop
  rm -rf "$WINEPREFIX"
  cp -a "$1" "$WINEPREFIX"
}

# wine_draw_on_x11: the copied prefix draws through X11 rather than the
# golden prefix's null driver, with Marlett (fonts-wine) for the caption
# buttons; a prefix made before fonts-wine was installed lacks it.
wine_draw_on_x11() {
  sed -i '/^"Graphics"="null"$/d' "$WINEPREFIX/user.reg"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# wine_start_sim LAUNCHER SIM OUT [ARGUMENTS...]: starts the printer simulator
# SIM through LAUNCHER (wine64 or a build tree's wine-run.sh) on a free port
# of 127.0.0.1, its output into the file OUT, and waits (up to 30 s) until it
# says where it listens. Sets sim_pid, and port (empty when it did not start:
# OUT then holds what it said instead).
wine_start_sim() {
  _launcher=$1 _sim=$2 _out=$3
  shift 3
  "$_launcher" "$_sim" --listen 127.0.0.1:0 "$@" >"$_out" 2>&1 &
  sim_pid=$!
  port=""
  for _ in $(seq 300); do
    _line=$(head -n 1 "$_out" 2>/dev/null | tr -d '\r')
    case "$_line" in
      "listening on 127.0.0.1:"*)
        port=${_line##*:}
        port=${port%% *}
        break
        ;;
    esac
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
  done
}

# wine_stop_sim: ends the simulator wine_start_sim started, if it still runs.
wine_stop_sim() {
  if [ -n "${sim_pid:-}" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  sim_pid=""
}

# xvfb_start SCREEN (e.g. 1024x700x24): starts an Xvfb of its own on a free
# display (Xvfb picks the number), waits until it answers and exports
# DISPLAY. Sets xvfb_pid; xvfb_stop ends it.
xvfb_start() {
  _fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$_fd_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 40); do
    [ -s "$_fd_file" ] && break
    sleep 0.25
  done
  DISPLAY=:$(head -n1 "$_fd_file")
  export DISPLAY
  rm -f "$_fd_file"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# xvfb_stop: ends the Xvfb xvfb_start started, if any.
xvfb_stop() {
  if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
