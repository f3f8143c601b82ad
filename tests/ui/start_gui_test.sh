#!/usr/bin/env bash
# Checks scripts/start-gui.sh in a home of its own: the working folder is
# made from data/sample and recorded once, a missing display gives status 3,
# and with a display the program gets the full adder sample, or the first
# schematic when that is gone.
set -euo pipefail
root="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config"
unset LUMO_WORK WAYLAND_DISPLAY
fail() { echo "FAIL: $*" >&2; exit 1; }

set +e
DISPLAY= "$root/scripts/start-gui.sh" >"$home/out.txt" 2>&1
status=$?
set -e
[ "$status" -eq 3 ] || fail "no display: status $status, expected 3"
grep -q "xvfb-run" "$home/out.txt" || fail "no display: says nothing of how to start the GUI"
[ -d "$home/LumoCAD" ] || fail "the working folder was not made"
for file in "$root"/data/sample/*; do
  [ -e "$home/LumoCAD/$(basename "$file")" ] || fail "$(basename "$file") was not copied"
done
grep -qx "Work=$home/LumoCAD" "$home/config/Orvane/LumoCAD.conf" || fail "not recorded"

# A recorded folder stays; a schematic is handed to the program.
printf '[Directory]\nWork=/elsewhere\n[Size]\nDrawFrameX=3\n' >"$home/config/Orvane/LumoCAD.conf"
printf '#!/bin/sh\necho "ran in $(pwd) with $*"\n' >"$home/fake"
chmod +x "$home/fake"
DISPLAY=:99 LUMOCAD="$home/fake" "$root/scripts/start-gui.sh" >"$home/out.txt" 2>&1
grep -q "ran in $home/LumoCAD with --simulate $home/LumoCAD/fulladd.ldr" "$home/out.txt" ||
  fail "$(cat "$home/out.txt")"
rm "$home"/LumoCAD/*.ldr
printf '(b)()()()\n' >"$home/LumoCAD/b.ldr"
printf '(a)()()()\n' >"$home/LumoCAD/a.ldr"
DISPLAY=:99 LUMOCAD="$home/fake" "$root/scripts/start-gui.sh" >"$home/out.txt" 2>&1
grep -q "ran in $home/LumoCAD with --simulate $home/LumoCAD/a.ldr" "$home/out.txt" || fail "$(cat "$home/out.txt")"
grep -qx "Work=/elsewhere" "$home/config/Orvane/LumoCAD.conf" || fail "a recorded folder was replaced"
grep -qx "DrawFrameX=3" "$home/config/Orvane/LumoCAD.conf" || fail "other settings were lost"

# An empty Work is filled in, under its section.
printf '[Size]\nDrawFrameX=3\n[Directory]\nWork=\n' >"$home/config/Orvane/LumoCAD.conf"
DISPLAY=:99 LUMOCAD="$home/fake" "$root/scripts/start-gui.sh" >/dev/null 2>&1
[ "$(grep -c '^Work=' "$home/config/Orvane/LumoCAD.conf")" -eq 1 ] || fail "two Work values"
grep -qx "Work=$home/LumoCAD" "$home/config/Orvane/LumoCAD.conf" || fail "empty Work not filled"
echo "start-gui.sh: ok"
