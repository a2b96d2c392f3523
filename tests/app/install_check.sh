#!/usr/bin/env bash
# cmake --install puts the game, the command line, the wave files, the
# desktop entry and the icon under the prefix.
# Usage: install_check.sh BUILD-FOLDER
set -u
build=$1
prefix=$(mktemp -d /tmp/nuedori-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
status=0
for f in bin/nuedori bin/nuedori-cli \
         share/nuedori/その他.wav share/nuedori/禁止.wav share/nuedori/駒打音.wav share/nuedori/BGM.wav \
         share/applications/nuedori.desktop share/icons/hicolor/256x256/apps/nuedori.png; do
  if [ -s "$prefix/$f" ]; then echo "ok   $f"; else echo "FAIL missing $f"; status=1; fi
done
[ -x "$prefix/bin/nuedori" ] || { echo "FAIL: nuedori is not executable"; status=1; }
grep -q '^Exec=nuedori$' "$prefix/share/applications/nuedori.desktop" || { echo "FAIL: desktop entry"; status=1; }
file_type=$(head -c 8 "$prefix/share/icons/hicolor/256x256/apps/nuedori.png" | od -An -c | tr -d ' ')
[ "$file_type" = '211PNG\r\n032\n' ] || { echo "FAIL: the icon is not a PNG ($file_type)"; status=1; }
exit $status
