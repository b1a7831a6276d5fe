#!/usr/bin/env bash
# Installs the build BUILD into the scratch prefix PREFIX (made afresh, with a blank in its
# name) and checks the layout the desktop needs: the program with its help file, the bin
# links, the menu entry naming the installed program, and the icons in their sizes.
#   install_test.sh BUILD PREFIX
set -euo pipefail
build=$1
prefix="$2/with blank"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

rm -rf "$2"
cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/lib/almanix/almanix" ] || fail "lib/almanix/almanix missing or not executable"
[ -L "$prefix/bin/almanix" ] || fail "bin/almanix is not a symbolic link"
[ "$(readlink -f "$prefix/bin/almanix")" = "$(readlink -f "$prefix/lib/almanix/almanix")" ] ||
  fail "bin/almanix does not lead to lib/almanix/almanix"
[ -x "$prefix/bin/almanix-cli" ] || fail "bin/almanix-cli missing"
if [ -f "$build/help.chm" ]; then
  cmp -s "$build/help.chm" "$prefix/lib/almanix/help.chm" || fail "help.chm not beside the program"
fi

entry="$prefix/share/applications/almanix.desktop"
if [ -f "$entry" ]; then
  grep -qx "Exec=\"$prefix/bin/almanix\"" "$entry" || fail "Exec does not name the installed program"
  grep -qx "TryExec=$prefix/bin/almanix" "$entry" || fail "TryExec does not name the installed program"
  grep -qx 'Icon=almanix' "$entry" || fail "Icon is not almanix"
  grep -qx 'Type=Application' "$entry" || fail "Type is not Application"
  grep -q '^Categories=.*Calendar;' "$entry" || fail "no Calendar category"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  fi
else
  fail "share/applications/almanix.desktop missing"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/almanix.png"
  if [ ! -f "$icon" ]; then
    fail "icon ${size}x${size} missing"
    continue
  fi
  read -r w h < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$w $h" = "$size $size" ] || fail "icon ${size}x${size} is ${w}x${h}"
done

[ $failures -eq 0 ] && echo "install layout OK under $prefix"
exit $((failures > 0))
