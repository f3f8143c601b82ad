#!/bin/sh
# Peak memory of `lumo list` on generated 40 MB list files of three shapes,
# against the file's size. Usage: bench/list_memory.sh [path/to/lumo [MB]]
# (default build/release/tools/lumo/lumo, 40).
set -e
lumo=${1:-build/release/tools/lumo/lumo}
megabytes=${2:-40}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for shape in records short numbers; do
  python3 "$(dirname "$0")/big_list.py" "$dir/$shape.lst" "$megabytes" "$shape"
  bytes=$(stat -c %s "$dir/$shape.lst")
  /usr/bin/time -f "%M" -o "$dir/peak" "$lumo" list "$dir/$shape.lst" >/dev/null
  peak_kb=$(cat "$dir/peak")
  echo "$shape: file $((bytes / 1000000)) MB, peak $((peak_kb / 1024)) MiB," \
    "$(awk "BEGIN { printf \"%.1f\", $peak_kb * 1024 / $bytes }")x the file"
done
