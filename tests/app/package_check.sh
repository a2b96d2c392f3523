#!/usr/bin/env bash
# cpack makes a Debian package that holds the game, the command line, the
# wave files, the translations, a valid desktop entry and AppStream metainfo
# and the icons at every size; it depends on runtime packages only, and the
# game unpacked from it starts.
# Usage: package_check.sh BUILD-FOLDER
set -u
build=$1
work=$(mktemp -d /tmp/nuedori-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL $*"; status=1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/out/nuedori_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: no .deb"; exit 1; }
echo "made $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's#^\./#/#' >"$work/files"
for f in /usr/bin/nuedori /usr/bin/nuedori-cli \
         /usr/share/nuedori/その他.wav /usr/share/nuedori/禁止.wav \
         /usr/share/nuedori/駒打音.wav /usr/share/nuedori/BGM.wav \
         /usr/share/nuedori/translations/nuedori_en.qm \
         /usr/share/applications/nuedori.desktop \
         /usr/share/icons/hicolor/48x48/apps/nuedori.png \
         /usr/share/icons/hicolor/128x128/apps/nuedori.png \
         /usr/share/icons/hicolor/256x256/apps/nuedori.png; do
  grep -qxF "$f" "$work/files" && echo "ok   $f" || fail "missing $f"
done
grep -q '^/usr/share/metainfo/.*\.metainfo\.xml$' "$work/files" || fail "no metainfo"
grep -q '^/usr/local' "$work/files" && fail "files under /usr/local"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6svg6 libqt6sql6-sqlite libsdl2-mixer-2.0-0 libstdc++6 fonts-ipaexfont-mincho; do
  [[ ", $depends" == *", $p"* ]] || fail "does not depend on $p"
done
[[ "$depends" == *-dev* ]] && fail "depends on a development package"

root=$work/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/nuedori.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 48 128 256; do
  dims=$(od -An -tu1 -j16 -N8 "$root/usr/share/icons/hicolor/${size}x${size}/apps/nuedori.png" \
         | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size} pixel icon is $dims"
done

# The unpacked programs run: the command line answers, and the window is
# still up after three seconds (timeout's 124), its libraries all found.
echo quit | "$root/usr/bin/nuedori-cli" >/dev/null || fail "nuedori-cli from the package"
mkdir "$work/cwd"
(cd "$work/cwd" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
   XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" timeout 3 "$root/usr/bin/nuedori" >"$work/game.log" 2>&1)
game=$?
[ $game -eq 124 ] || { cat "$work/game.log"; fail "the game from the package ended with $game"; }
exit $status
