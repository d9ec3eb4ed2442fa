# Shared by scripts/run and scripts/test: packages, builds, the virtual display and the Wine prefix.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

PACKAGES="cmake make g++ libgtest-dev libgmock-dev g++-mingw-w64-i686-posix binutils-mingw-w64-i686 \
wine wine64 wine32:i386 xvfb xauth imagemagick x11-utils locales"

install_packages() {
  local missing=()
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    missing=(refresh)
  fi
  for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends $PACKAGES
}

ensure_locales() {
  # Wine takes the user locale from LC_ALL: Russian and English runs need both generated.
  if ! locale -a 2>/dev/null | grep -qi '^ru_RU.utf8$' || ! locale -a 2>/dev/null | grep -qi '^en_US.utf8$'; then
    sed -i -e 's/^# *\(ru_RU.UTF-8\)/\1/' -e 's/^# *\(en_US.UTF-8\)/\1/' /etc/locale.gen
    locale-gen >/dev/null
  fi
}

build_tree() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

start_display() {
  # Use the display we were given, else a virtual one of our own.
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n=77
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}

# start_wine [prefix [arch]]: a prefix inside the build tree, its wineserver kept running.
start_wine() {
  export WINEPREFIX="${1:-$ROOT/build/win32/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ -n "${2:-}" ]; then export WINEARCH="$2"; else unset WINEARCH; fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Wine paints window borders white; give the prefix the grey of a stock Windows desktop,
    # which the panel's frame and stripes are drawn against.
    wine reg add 'HKCU\Control Panel\Colors' /v ActiveBorder /d '180 180 180' /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  wineserver -p 2>/dev/null || true  # already running persistently is fine
  # Start Wine's services now, detached from any pipe a caller may read to its end.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  WINE_PREFIXES="${WINE_PREFIXES:-} $WINEPREFIX"
}

stop_all() {
  for prefix in ${WINE_PREFIXES:-}; do WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; done
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
