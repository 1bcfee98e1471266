# Shared by scripts/run and scripts/test: paths, the build, the Wine prefix and
# the virtual display.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
jobs=$(nproc 2>/dev/null || echo 2)

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8

build_orvanto() {
  "$root/scripts/bootstrap"
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"$jobs" "$@"
}

# A fresh prefix for this run: no crash dialog, no window manager wait.
make_prefix() {  # folder
  export WINEPREFIX=$1
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  # No crash dialog that could hang a run; no window manager wait on Xvfb.
  wine regedit /S "$(winepath -w "$root/scripts/wine-prefix.reg" 2>/dev/null)" >/dev/null 2>&1 </dev/null
  wineserver -w
}

# Starts Xvfb on a free display; sets DISPLAY and xvfb_pid.
start_xvfb() {  # [WIDTHxHEIGHT]
  local size=${1:-1920x1080} n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -ac >/dev/null 2>&1 </dev/null &
    xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
}
