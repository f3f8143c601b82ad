#!/usr/bin/env bash
# lumo run --png: the run's rows drawn by lumo-draw, started beside lumo.
#   run_png_test.sh LUMO SOURCE_DIR
set -euo pipefail
lumo="$1"
source_dir="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$source_dir/data/sample/fulladd.ldr" "$source_dir/data/sample/fulladd[0].lpt" "$work/"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

out="$("$lumo" run "$work/fulladd.ldr" --sys "$source_dir/data/sys" --png "$work/run.png")" ||
  fail "lumo run --png exited with $?"
grep -q "drew 6 rows into $work/run.png" <<<"$out" || fail "no drawing reported: $out"
[ "$(head -c 4 "$work/run.png" | tail -c 3)" = "PNG" ] || fail "run.png is no PNG"

# A failed run (a pin the circuit lacks) draws its four input rows only and
# still fails.
printf 'a A 1 0 1\na Q 1 0 1\ne\n' >"$work/bad.lpt"
if out="$("$lumo" run "$work/fulladd.ldr" "$work/bad.lpt" --sys "$source_dir/data/sys" \
  --png "$work/bad.png" 2>/dev/null)"; then
  fail "a failed run exited with 0"
fi
grep -q "drew 4 rows" <<<"$out" || fail "inputs of the failed run not drawn: $out"

# lumo check --class draws each submission's waveforms the same way and
# shows them on its summary page.
mkdir -p "$work/class/ann" "$work/summary"
cp "$source_dir/data/sample/fulladd.ldr" "$source_dir/data/sample/fulladd[0].lpt" "$work/class/ann/"
"$lumo" check "$work/fulladd.ldr" --sys "$source_dir/data/sys" \
  --write-expect "$work/fulladd.lex" >/dev/null || fail "--write-expect failed"
"$lumo" check --class "$work/class" --expect "$work/fulladd.lex" --sys "$source_dir/data/sys" \
  --out "$work/summary" >/dev/null || fail "the class check did not pass"
[ "$(head -c 4 "$work/summary/ann.png" | tail -c 3)" = "PNG" ] || fail "ann.png is no PNG"
grep -q '<img src="ann.png"' "$work/summary/check-summary.html" || fail "no picture on the page"
echo "lumo run --png: ok"
