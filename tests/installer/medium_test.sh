#!/usr/bin/env bash
# Installs the medium as a student would and starts the installed LumoCAD:
# unpack the .tar.gz, install into a fresh folder (settings in a home of
# the test's own), then start Sys/LumoCAD on a virtual display from another
# folder: it must find its system folder, take the recorded working folder
# and open a sample there.
#   medium_test.sh TARBALL INSTALL_HERE
set -euo pipefail
tarball="$1"
install_here="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/config"
mkdir -p "$HOME"
fail() { echo "FAIL: $*" >&2; exit 1; }

tar xzf "$tarball" -C "$tmp"
medium="$tmp/lumocad-medium"
[ -x "$medium/Install" ] || fail "the medium has no Install"
dest="$tmp/dest/LumoCAD"
(cd "$medium" && "$install_here" "$dest") || fail "the installation did not finish"

# Every entry of the list is in place, the program still runs as one.
while read -r folder file; do
  [ "$folder" = "#" ] && break
  cmp -s "$medium/$file" "$dest/$folder/$file" || fail "$file was not copied to $folder"
done <"$medium/Install.dat"
[ -x "$dest/Sys/LumoCAD" ] || fail "the program is not executable"
[ -f "$dest/Sys/Parts/adder4.lcr" ] || fail "no library circuits"
[ -f "$dest/Sys/help/1501.html" ] || fail "no help"
conf="$XDG_CONFIG_HOME/Orvane/LumoCAD.conf"
grep -qx "Work=$dest/Sample" "$conf" || fail "working folder not recorded: $(cat "$conf")"
grep -qx "Sys=$dest/Sys" "$conf" || fail "system folder not recorded"

# A second installation over the first finishes too.
(cd "$medium" && "$install_here" "$dest" >/dev/null) || fail "the second installation failed"

command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null || {
  echo "no xvfb-run or xwininfo: the installed program was not started"
  exit 77
}
cd /
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  '$dest/Sys/LumoCAD' '$dest/Sample/fulladd.ldr' & program=\$!
  for i in 1 2 3 4 5 6 7 8 9 10; do
    sleep 1
    xwininfo -root -tree >'$tmp/windows.txt' 2>/dev/null
    grep -q 'fulladd.ldr' '$tmp/windows.txt' && break
  done
  kill \$program" >"$tmp/run.txt" 2>&1 || true
grep -q "\[$dest/Sample/fulladd.ldr\]" "$tmp/windows.txt" ||
  fail "the sample did not open: $(cat "$tmp/windows.txt" "$tmp/run.txt")"
# The statistics of the session go into the recorded working folder.
[ -f "$dest/Sample/LumoSta.tmp" ] || fail "the working folder was not the recorded one"
echo "medium: ok"
