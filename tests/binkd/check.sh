#!/bin/bash
# Reads the logs tests/binkd/nodes.sh kept in DIR with brantlow and checks
#
#   tests/binkd/check.sh BRANTLOW DIR
#
# each poll's sessions, bytes and files against what the file systems saw
# move (truth.tsv), and each address's sessions, bytes and files against
# binkdlogstat's report over the same log. Prints every difference; exits 1
# when brantlow differs from the truth or from binkdlogstat beyond the
# differences listed below (NOTE lines), where the truth shows brantlow right:
#
# - A session whose process was stopped before its "done" line (the cut-off
#   poll) is one session for brantlow; binkdlogstat counts it nowhere.
# - A call that never connected is a handshake failure for brantlow, with
#   the address called as its connect text; binkdlogstat lists the address
#   with no session.
set -euo pipefail

brantlow=${1:?usage: check.sh BRANTLOW DIR}
dir=${2:?usage: check.sh BRANTLOW DIR}
truth=$dir/truth.tsv
failures=0

differ() {
  echo "DIFFERS: $*"
  failures=$((failures + 1))
}

declare -A address=([gorse]=2:5090/12 [bramble]=2:5090/34 [thistle]=2:5090/78
                    [nettle]=2:5090/34)
IFS=$'\t' read -r _ day from to < <(grep '^window' "$truth")

# brantlow over one node's log, its window the minutes of the run; the
# answering node's run names the dialect in its configuration, the others'
# are told by the lines.
for node in gorse bramble thistle nettle; do
  out=$dir/brantlow-$node
  rm -rf "$out"
  mkdir -p "$out"
  [ "$node" = gorse ] && echo "LogType binkd" >"$out/brantlow.cfg"
  (cd "$out" && "$brantlow" "$dir/$node.log" "/d=$day" "/t=$from-$to" +a --csv \
     --utf8 >console 2>&1) || { cat "$out/console"; differ "$node: brantlow failed"; }
done

seconds() {
  local h m s
  IFS=: read -r h m s <<<"$1"
  echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}

# Sum of the sizes of the files NODE got in POLL.
got_bytes() {
  awk -F'\t' -v n="$1" -v p="$2" '$1 == "got" && $2 == n && $3 == p { s += $5 }
    END { print s + 0 }' "$truth"
}

# NODE's sessions that started between FROM and TO, as "count received
# sent" over those named NAME and over all.
sessions_in() {
  local node=$1 name=$2 lo hi
  lo=$(seconds "$3") hi=$(seconds "$4")
  tail -n +2 "$dir/brantlow-$node/sessions.csv" |
    awk -F, -v lo="$lo" -v hi="$hi" -v name="$name" '
      { split($2, t, ":"); s = t[1] * 3600 + t[2] * 60 + t[3] }
      # A poll across midnight ends earlier in the day than it began.
      (lo <= hi && s >= lo && s <= hi) || (lo > hi && (s >= lo || s <= hi)) {
        r += $8; w += $9; if ($6 == name) ++n
      }
      END { print n + 0, r + 0, w + 0 }'
}

# Session by session: each poll is one session between the caller and the
# answering node, on both sides; the bytes each side counted are those of
# the complete files the other side's inbound gained.
while IFS=$'\t' read -r _ poll caller start end; do
  for node in gorse "$caller"; do
    peer=$caller
    [ "$node" = gorse ] || peer=gorse
    want_received=$(got_bytes "$node" "$poll")
    want_sent=$(got_bytes "$peer" "$poll")
    read -r count received sent < <(sessions_in "$node" "${address[$peer]}" "$start" "$end")
    [ "$count" = 1 ] || differ "poll $poll, $node: $count sessions with ${address[$peer]}, not 1"
    [ "$received" = "$want_received" ] ||
      differ "poll $poll, $node: received $received bytes, the inbound got $want_received"
    [ "$sent" = "$want_sent" ] ||
      differ "poll $poll, $node: sent $sent bytes, the peer's inbound got $want_sent"
  done
done < <(grep '^poll' "$truth")

# The files table (received, sent) of one node, as "ADDRESS r|s NAME" lines.
files_table() {
  awk -F'│' '
    /Принятые файлы/ { inside = 1; next }
    inside && /^╚/ { inside = 0 }
    inside && /^║/ {
      a = $1; sub(/^║/, "", a); gsub(/ /, "", a)
      if (a != "") addr = a
      r = $2; gsub(/ /, "", r); s = $3; sub(/║.*/, "", s); gsub(/ /, "", s)
      if (r != "") print addr, "r", r
      if (s != "") print addr, "s", s
    }' "$dir/brantlow-$1/logdata.zvx" | sort
}

# The same from the truth: what NODE got from each caller's address, and
# what the other side got from it.
files_truth() {
  local node=$1
  while IFS=$'\t' read -r _ poll caller _ _; do
    if [ "$node" = gorse ]; then
      awk -F'\t' -v p="$poll" -v a="${address[$caller]}" -v me=gorse -v peer="$caller" '
        $1 == "got" && $3 == p && $2 == me { print a, "r", $4 }
        $1 == "got" && $3 == p && $2 == peer { print a, "s", $4 }' "$truth"
    elif [ "$node" = "$caller" ]; then
      awk -F'\t' -v p="$poll" -v a="${address[gorse]}" -v me="$node" '
        $1 == "got" && $3 == p && $2 == me { print a, "r", $4 }
        $1 == "got" && $3 == p && $2 == "gorse" { print a, "s", $4 }' "$truth"
    fi
  done < <(grep '^poll' "$truth") | sort
}

for node in gorse bramble thistle nettle; do
  if ! diff <(files_truth "$node") <(files_table "$node") >"$dir/files-$node.diff"; then
    differ "$node: files table against the inbounds (< truth, > brantlow):"
    cat "$dir/files-$node.diff"
  fi
done

# Per address of one node's log, the sessions whose process ended without
# their "done" line.
cut_sessions() {
  awk '{
      if (!match($0, /\[[0-9]+\] /)) next
      pid = substr($0, RSTART, RLENGTH); text = substr($0, RSTART + RLENGTH)
    }
    text ~ /^(incoming|outgoing) session with/ { open[pid] = 1 }
    text ~ /^addr: / && (pid in open) && !(pid in first) {
      a = substr(text, 7); sub(/@.*/, "", a); first[pid] = a
    }
    text ~ /^done \(/ { delete open[pid] }
    END { for (p in open) if (p in first) print first[p] }' "$1" | sort | uniq -c
}

# Against binkdlogstat: per address, sessions (in and out, OK and failed),
# KBytes each way (bytes / 1024, cut) and files each way.
for node in gorse bramble thistle nettle; do
  stat=$dir/$node.stat
  csv=$dir/brantlow-$node/addresses.csv
  while read -r addr in_ok in_fail out_ok out_fail kb_sent kb_received files_sent files_received _; do
    stat_sessions=$((in_ok + in_fail + out_ok + out_fail))
    cut=$(cut_sessions "$dir/$node.log" | awk -v a="$addr" '$2 == a { print $1 }')
    cut=${cut:-0}
    row=$(awk -F, -v a="$addr" '$1 == a' "$csv")
    if [ -z "$row" ]; then
      if [ "$stat_sessions" = 0 ]; then
        echo "NOTE: $node: $addr, listed by binkdlogstat without a session, is a handshake failure (a failed call) for brantlow"
      else
        differ "$node: $addr: $stat_sessions sessions for binkdlogstat, none for brantlow"
      fi
      continue
    fi
    IFS=, read -r _ sessions _ _ received sent f_received f_sent _ _ <<<"$row"
    [ "$cut" = 0 ] ||
      echo "NOTE: $node: $addr: $cut session(s) stopped before their done line: counted by brantlow, not by binkdlogstat"
    [ "$sessions" = $((stat_sessions + cut)) ] ||
      differ "$node: $addr: $sessions sessions for brantlow, $stat_sessions (+$cut cut) for binkdlogstat"
    [ $((received / 1024)) = "$kb_received" ] ||
      differ "$node: $addr: received $received bytes, binkdlogstat ${kb_received} KBytes"
    [ $((sent / 1024)) = "$kb_sent" ] ||
      differ "$node: $addr: sent $sent bytes, binkdlogstat ${kb_sent} KBytes"
    [ "$f_received" = "$files_received" ] ||
      differ "$node: $addr: $f_received files received, binkdlogstat $files_received"
    [ "$f_sent" = "$files_sent" ] ||
      differ "$node: $addr: $f_sent files sent, binkdlogstat $files_sent"
  done < <(grep -E '^[0-9]+:[0-9]+/[0-9]' "$stat")
done

if [ "$failures" -gt 0 ]; then
  echo "check.sh: $failures differences; the logs and reports are in $dir"
  exit 1
fi
echo "check.sh: brantlow agrees with the inbounds and with binkdlogstat"
