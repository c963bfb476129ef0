#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh, without its own test run) and checks it as a
# family meets it: lintian finds no error; the desktop entry and the AppStream metadata of the
# unpacked package validate; the unpacked program, started under a virtual display with an
# empty home, shows its window, writes nothing under the unpacked root and keeps its files in
# $HOME/.local/share/quorvel.
#   scripts/checkpackage.sh    (QUORVEL_RUN_SECONDS=N lets the program run N s, default 6)
set -euo pipefail
cd "$(dirname "$0")/.."
id=example.quorvel.PrimaryRevision

deb=$(DEB_BUILD_OPTIONS=nocheck bash scripts/package.sh | tail -n 1)
echo "== $deb: $(du -k "$deb" | cut -f1) kB"

echo "== lintian"
lintian --fail-on error "$deb"

root=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
dpkg-deb -x "$deb" "$root"
dpkg-deb -c "$deb" | awk '{print $3, $6}'

echo "== desktop entry and metadata"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

# Every file and folder of the unpacked root with its size and time: a write shows.
listing() { (cd "$root" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)

echo "== the unpacked program with an empty home"
mkdir -m 700 "$home/run"
run_env=(env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME
         HOME="$home" XDG_RUNTIME_DIR="$home/run" QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu)
# The browser engine's sandbox refuses to start as root.
[ "$(id -u)" -ne 0 ] || run_env+=(QTWEBENGINE_DISABLE_SANDBOX=1)
seconds=${QUORVEL_RUN_SECONDS:-6}
# Inside the virtual display: start the program, let it run, check that it is still running
# and shows a window of the class the desktop entry names, then close it.
# shellcheck disable=SC2016
xvfb-run -a "${run_env[@]}" bash -c '
  "$1" >"$HOME/quorvel.log" 2>&1 &
  pid=$!
  sleep "$2"
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the program ended early:"; cat "$HOME/quorvel.log"; exit 1
  fi
  windows=$(xdotool search --onlyvisible --class quorvel 2>/dev/null | wc -l)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  if [ "$windows" -eq 0 ]; then
    echo "no window of class quorvel was shown:"; cat "$HOME/quorvel.log"; exit 1
  fi
  echo "the program ran $2 s and showed $windows window(s) of class quorvel"
' check "$root/usr/bin/quorvel" "$seconds"

if [ "$(listing)" != "$before" ]; then
  echo "the program wrote under the unpacked root:"
  diff <(echo "$before") <(listing) || true
  exit 1
fi
data=$home/.local/share/quorvel
kept=$(find "$data" -type f 2>/dev/null | wc -l)
if [ ! -d "$data/Graphics" ] || [ "$kept" -eq 0 ]; then
  echo "the program kept nothing in $data"
  exit 1
fi
echo "nothing written under the unpacked root; $kept files in \$HOME/.local/share/quorvel:"
(cd "$data" && find . -maxdepth 1 | sort | head -n 20 | tr '\n' ' '; echo)
