#!/usr/bin/env bash
# Starts LumoCAD on a sample schematic in the user's own working folder.
#
#   scripts/start-gui.sh            (after a build: build/release/LumoCAD)
#
# The working folder is $LUMO_WORK, else ~/LumoCAD. When it does not exist it
# is made and filled with a copy of data/sample; when the settings name no
# working folder yet, it is recorded there (QSettings "Orvane"/"LumoCAD":
# ~/.config/Orvane/LumoCAD.conf, [Directory] Work). LumoCAD then starts in
# it, on $LUMO_SAMPLE (default fulladd.ldr) when the folder has it, else on
# the first schematic (*.ldr) found there.
#
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) nothing is
# started: the script says how to start the GUI and exits with status 3.
# Otherwise it exits with LumoCAD's status. $LUMOCAD names another program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${LUMOCAD:-$root/build/release/LumoCAD}"
work="${LUMO_WORK:-$HOME/LumoCAD}"
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Orvane/LumoCAD.conf"

if [ ! -d "$work" ]; then
  mkdir -p "$work"
  if [ -d "$root/data/sample" ]; then
    cp -R "$root/data/sample/." "$work/"
  fi
  echo "start-gui: made the working folder $work from data/sample"
fi
work="$(cd "$work" && pwd)"

# The working folder of the settings, empty when none is recorded.
recorded_work() {
  [ -f "$settings" ] || return 0
  awk -F= '
    /^\[/ { section = $0; next }
    section == "[Directory]" && $1 == "Work" { sub(/^Work=/, ""); print; exit }
  ' "$settings"
}

if [ -z "$(recorded_work)" ]; then
  mkdir -p "$(dirname "$settings")"
  if [ -f "$settings" ] && grep -q '^\[Directory\]' "$settings"; then
    # An empty Work= goes; the folder goes right under the section header.
    tmp="$settings.tmp.$$"
    awk -v work="$work" '
      /^\[/ { section = $0 }
      section == "[Directory]" && /^Work=/ { next }
      { print }
      $0 == "[Directory]" { print "Work=" work }
    ' "$settings" >"$tmp"
    mv "$tmp" "$settings"
  else
    printf '[Directory]\nWork=%s\n' "$work" >>"$settings"
  fi
  echo "start-gui: recorded $work as the working folder"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<TEXT
start-gui: there is no display, so LumoCAD was not started.
To start the GUI, run it where a display is available:
    $program "$work/<schematic>.ldr"
or on a virtual display (package xvfb):
    xvfb-run -a $program "$work/<schematic>.ldr"
TEXT
  exit 3
fi

if [ ! -x "$program" ]; then
  echo "start-gui: $program is not built (run ./run.sh or ./test.sh first)" >&2
  exit 1
fi

sample="$work/${LUMO_SAMPLE:-fulladd.ldr}"
if [ ! -f "$sample" ]; then
  sample="$(find "$work" -maxdepth 1 -name '*.ldr' -type f | LC_ALL=C sort | head -n 1)"
fi
cd "$work"
if [ -n "$sample" ]; then
  echo "start-gui: LumoCAD on $sample, simulated in its waveform editor"
  # The flag comes first: the program takes its last argument as the file.
  exec "$program" --simulate "$sample"
fi
echo "start-gui: LumoCAD (no sample schematic in $work)"
exec "$program"
