#!/bin/bash
# Runs brantlow over a log for each run of a truth file and compares the
# link health it reports (links.csv) with the truth, written beside the log
# from its lines:
#
#   tests/links/check.sh BRANTLOW LOG TRUTH [LOGTYPE]
#
# TRUTH holds a "links ADDRESS..." line (the Links key, optional), then for
# each run a "run ARGS..." line and one "link ..." line per link it must
# report (see tests/links/tmail-links.truth). Prints every difference;
# exits 1 on any.
set -euo pipefail

brantlow=${1:?usage: check.sh BRANTLOW LOG TRUTH [LOGTYPE]}
log=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
truth=${3:?usage: check.sh BRANTLOW LOG TRUTH [LOGTYPE]}
logtype=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

links=$(sed -n 's/^links //p' "$truth")

# The truth's link lines of one run, as "ADDRESS SILENT ... LAST GAP".
expected() {
  awk -v run="$1" '
    /^run / { sub(/^run /, ""); on = ($0 == run); next }
    on && /^link / { sub(/^link /, ""); print }' "$truth"
}

# links.csv as the same fields: address, silent, the counts, the last good
# session ("-" for none, its blank as "_") and the longest gap.
reported() {
  awk -F, 'NR > 1 {
    last = $17 == "" ? "-" : $17
    gsub(/ /, "_", last)
    line = $1 " " $3
    for (i = 4; i <= 16; i++) line = line " " $i
    print line " " last " " $18
  }' "$1"
}

# Whether the two lists agree line by line; a "*" of the truth stands for
# any value. Prints the lines that differ.
same() {
  awk 'NR == FNR { truth[FNR] = $0; n = FNR; next }
    {
      m = FNR
      split(truth[FNR], t, " ")
      ok = NF == length(t)
      for (i = 1; ok && i <= NF; i++) ok = t[i] == "*" || t[i] == $i
      if (!ok) { print "< " truth[FNR]; print "> " $0; bad = 1 }
    }
    END {
      for (i = m + 1; i <= n; i++) { print "< " truth[i]; bad = 1 }
      exit bad
    }' "$1" "$2"
}

while read -r args; do
  dir=$work/run
  rm -rf "$dir"
  mkdir -p "$dir"
  {
    [ -n "$links" ] && printf 'Links %s\r\n' "$links"
    [ -n "$logtype" ] && printf 'LogType %s\r\n' "$logtype"
  } >"$dir/brantlow.cfg"
  # shellcheck disable=SC2086
  if ! (cd "$dir" && "$brantlow" "$log" $args -g --links --csv >console 2>&1); then
    cat "$dir/console"
    echo "DIFFERS: $args: brantlow failed"
    failures=$((failures + 1))
    continue
  fi
  if ! same <(expected "$args") <(reported "$dir/links.csv") >"$dir/diff"; then
    echo "DIFFERS: $log $args (< truth, > brantlow):"
    cat "$dir/diff"
    failures=$((failures + 1))
  fi
done < <(sed -n 's/^run //p' "$truth")

[ "$failures" -eq 0 ] && echo "links: $(basename "$log"): every run as the truth says"
[ "$failures" -eq 0 ]
