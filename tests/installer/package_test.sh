#!/usr/bin/env bash
# Checks what the Debian package installs, from a staged installation
# (cmake --install into a scratch root, as cpack does): the layout under
# /usr, the menu entry and the .ldr type, the command-line tool through its
# link, and the first start of the program in a fresh home, which makes
# ~/LumoCAD from the samples and opens on it.
#   package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$tmp/root/usr"
lib="$usr/lib/lumocad"
for file in LumoCAD lumo lumo-draw LumoCAD.lib LumoCAD.dly LumoCAD.cmd Parts/adder4.lcr \
            help/index.html help/1501.html help/icons/32778.png sample/fulladd.ldr; do
  [ -f "$lib/$file" ] || fail "no /usr/lib/lumocad/$file"
done
[ ! -e "$lib/README.md" ] || fail "the developers' README was installed"
[ "$(readlink "$usr/bin/lumocad")" = "../lib/lumocad/LumoCAD" ] || fail "/usr/bin/lumocad"
[ "$(readlink "$usr/bin/lumo")" = "../lib/lumocad/lumo" ] || fail "/usr/bin/lumo"
desktop="$usr/share/applications/lumocad.desktop"
grep -qx 'Exec=lumocad %f' "$desktop" || fail "the menu entry does not start lumocad"
grep -q '^Categories=Education;' "$desktop" || fail "not in the Education menu"
grep -q 'glob pattern="\*.ldr"' "$usr/share/mime/packages/lumocad.xml" || fail "no .ldr type"
grep -q "MimeType=$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$usr/share/mime/packages/lumocad.xml");" \
  "$desktop" || fail "the menu entry does not open the .ldr type"
[ -f "$usr/share/icons/hicolor/scalable/apps/lumocad.svg" ] || fail "no icon"

# The tool finds its system folder through the link.
mkdir -p "$tmp/work"
cp "$lib"/sample/fulladd* "$tmp/work/"
"$usr/bin/lumo" run "$tmp/work/fulladd.ldr" --work "$tmp/work" >"$tmp/run.txt" 2>&1 ||
  fail "lumo run: $(cat "$tmp/run.txt")"
grep -q 'fulladd.CO' "$tmp/run.txt" || fail "lumo run simulated nothing"

command -v desktop-file-validate >/dev/null || { echo "no desktop-file-validate"; exit 77; }
desktop-file-validate "$desktop" || fail "the menu entry does not validate"

command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null || { echo "no xvfb-run"; exit 77; }
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/config"
mkdir -p "$HOME"
cd "$HOME"
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  '$usr/bin/lumocad' & program=\$!
  for i in 1 2 3 4 5 6 7 8 9 10; do
    sleep 1
    xwininfo -root -tree >'$tmp/windows.txt' 2>/dev/null
    grep -q '(\"lumocad\" \"lumocad\")' '$tmp/windows.txt' && break
  done
  kill \$program" >"$tmp/start.txt" 2>&1 || true
grep -q '("lumocad" "lumocad")' "$tmp/windows.txt" || fail "no window: $(cat "$tmp/start.txt")"
[ -f "$HOME/LumoCAD/fulladd.ldr" ] || fail "the first start did not make ~/LumoCAD"
grep -qx "Work=$HOME/LumoCAD" "$XDG_CONFIG_HOME/Orvane/LumoCAD.conf" || fail "~/LumoCAD not recorded"
[ -f "$HOME/LumoCAD/LumoSta.tmp" ] || fail "the program did not work in ~/LumoCAD"
echo "package: ok"
