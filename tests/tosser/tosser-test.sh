#!/bin/bash
# The echomail packets of --post tossed by a real tosser, crashmail, into a
# *.msg area, and the messages read back:
#
#   tests/tosser/tosser-test.sh BRANTLOW
#
# Each message must carry the report the run wrote, byte for byte, between
# its kludges and its tear line, and the area, addresses, password and
# origin of the Post keys. Skips (status 77) where crashmail is missing,
# unless CI is set; keeps what a failed run left and says where.
set -euo pipefail
export LC_ALL=C
brantlow=$(realpath "${1:?usage: tosser-test.sh BRANTLOW}")
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v crashmail >/dev/null 2>&1; then
  if [ -n "${CI:-}" ]; then
    echo "tosser-test: crashmail is not installed, and CI wants this test run"
    exit 1
  fi
  echo "tosser-test: crashmail is not installed: skipped"
  exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/brantlow-tosser.XXXXXX")
failures=0

differ() {
  echo "DIFFERS: $*"
  failures=$((failures + 1))
}

# A station posting into the area through its uplink 2:5020/1, and the
# uplink's crashmail, which knows the station by its packet password.
setup() {
  local dir=$work/$1
  mkdir -p "$dir/station/out" "$dir/up/inb" "$dir/up/outb" "$dir/up/tmp" \
    "$dir/up/stat" "$dir/up/bad" "$dir/up/net"
  cat >"$dir/station/brantlow.cfg" <<CFG
PostFrom 2:5020/2026.0
PostTo 2:5020/1
PostPassword secret
PostOrigin Brantlow test station, Moscow
PostDir out
CFG
  cat >"$dir/up/crashmail.prefs" <<CFG
SYSOP "Uplink"
LOGFILE "$dir/up/crashmail.log"
LOGLEVEL 3
DUPEFILE "$dir/up/dupes" 200
DUPEMODE BAD
DEFAULTZONE 2
INBOUND "$dir/up/inb"
OUTBOUND "$dir/up/outb"
TEMPDIR "$dir/up/tmp"
CREATEPKTDIR "$dir/up/tmp"
PACKETDIR "$dir/up/outb"
STATSFILE "$dir/up/stats"
IMPORTSEENBY
AKA 2:5020/1
DOMAIN "FidoNet"
NODE 2:5020/2026.0 "" "secret"
NETMAIL "NETMAIL" 2:5020/1 MSG "$dir/up/net"
AREA "BAD" 2:5020/1 MSG "$dir/up/bad"
AREA "BRANTLOW.STAT" 2:5020/1 MSG "$dir/up/stat"
EXPORT 2:5020/2026.0
CFG
}

# Every packet in the station's PostDir into the uplink's inbound, tossed.
toss() {
  local dir=$work/$1
  if ! mv "$dir"/station/out/*.pkt "$dir/up/inb/"; then
    differ "$1: no packet in PostDir"
    return
  fi
  crashmail SETTINGS "$dir/up/crashmail.prefs" TOSS >"$dir/up/toss.out" 2>&1 ||
    differ "$1: crashmail failed"
  [ -z "$(ls "$dir/up/bad")" ] || differ "$1: crashmail put messages in BAD"
  [ -z "$(ls "$dir/up/inb")" ] || differ "$1: crashmail left in its inbound: $(ls "$dir/up/inb")"
}

# A *.msg file: the header's NUL-ended field at OFFSET, SIZE bytes.
field() { dd if="$1" bs=1 skip="$2" count="$3" 2>/dev/null | tr '\0' '\n' | head -n 1; }
# Its text after the 190-byte header, CR line ends made LF.
text() { tail -c +191 "$1" | tr -d '\0' | tr '\r' '\n'; }

# The area's messages, oldest first.
messages() { ls "$work/$1/up/stat" | sort -n | sed "s|^|$work/$1/up/stat/|"; }

# Checks one message: names, subject, kludges and tail; its report part
# goes to BODY.
check_message() {
  local name=$1 msg=$2 subject=$3 charset=$4 body=$5
  [ "$(field "$msg" 0 36)" = brantlow ] || differ "$name: from $(field "$msg" 0 36)"
  [ "$(field "$msg" 36 36)" = All ] || differ "$name: to $(field "$msg" 36 36)"
  [ "$(field "$msg" 72 72)" = "$subject" ] ||
    differ "$name: subject '$(field "$msg" 72 72)', not '$subject'"
  text "$msg" >"$msg.text"
  grep -q "^"$'\x01'"MSGID: 2:5020/2026 [0-9a-f]\{8\}\$" "$msg.text" ||
    differ "$name: no MSGID of 2:5020/2026"
  grep -q "^"$'\x01'"CHRS: $charset\$" "$msg.text" || differ "$name: no CHRS: $charset"
  # The report's lines stand between the last kludge and the tear line.
  awk '/^\001CHRS: /{inside = 1; next} /^--- brantlow$/{inside = 0} inside' \
    "$msg.text" >"$body"
  tail -n 4 "$msg.text" >"$msg.tail"
  printf '%s\n' "--- brantlow" " * Origin: Brantlow test station, Moscow (2:5020/2026)" \
    "SEEN-BY: 5020/1 2026" $'\x01'"PATH: 5020/2026 1" | diff - "$msg.tail" >/dev/null ||
    differ "$name: tear line, origin, SEEN-BY or PATH: $(cat -v "$msg.tail")"
}

# The report file as the message carries it: LF line ends.
report_lines() { tr -d '\r' <"$1"; }

# One day of the example log, in CP866 and in UTF-8.
for charset in "CP866 2" "UTF-8 4"; do
  name=day-${charset%% *}
  setup "$name"
  station=$work/$name/station
  utf8=()
  [ "$charset" = "UTF-8 4" ] && utf8=(--utf8)
  (cd "$station" && "$brantlow" "$here/../../examples/t-mail.log" /d=14.03 \
     --post=BRANTLOW.STAT "${utf8[@]}" >console 2>&1) ||
    differ "$name: brantlow failed: $(cat "$station/console")"
  toss "$name"
  mapfile -t msgs < <(messages "$name")
  [ "${#msgs[@]}" = 1 ] || differ "$name: ${#msgs[@]} messages, not 1"
  check_message "$name" "${msgs[0]}" "Statistics 14.03 00:00-23:59" "$charset" \
    "$work/$name/body"
  report_lines "$station/logdata.zvx" | diff - "$work/$name/body" >"$work/$name/body.diff" ||
    differ "$name: the message is not the report (< report, > message): $(head -20 "$work/$name/body.diff")"
done

# A day of 300 sessions: a report of about 50 KB, posted in parts that
# together are the report.
name=split
setup "$name"
station=$work/$name/station
awk 'BEGIN {
  for (i = 0; i < 300; ++i) {
    t = 600 + i * 280
    h = int(t / 3600); m = int(t % 3600 / 60)
    a = sprintf("2:5020/%d", 3000 + i)
    printf "14/03 %02d:%02d:00 \376 Incoming call: CONNECT 33600/ARQ\r\n", h, m
    printf "14/03 %02d:%02d:10 %s, using T-Mail/2608.NT\r\n", h, m, a
    printf "14/03 %02d:%02d:40 \376 %s, bytes %d/%d, time 0:00:40\r\n", h, m, a, 1000 + i, 2000 + i
  } }' >"$station/busy.log"
(cd "$station" && "$brantlow" busy.log /d=14.03 --post=BRANTLOW.STAT >console 2>&1) ||
  differ "$name: brantlow failed: $(cat "$station/console")"
toss "$name"
mapfile -t msgs < <(messages "$name")
count=${#msgs[@]}
[ "$count" -ge 3 ] || differ "$name: $count messages for a report of $(wc -c <"$station/logdata.zvx") bytes"
: >"$work/$name/bodies"
for k in "${!msgs[@]}"; do
  check_message "$name $((k + 1))" "${msgs[$k]}" \
    "Statistics 14.03 00:00-23:59 ($((k + 1))/$count)" "CP866 2" "$work/$name/body$k"
  size=$(wc -c <"$work/$name/body$k")
  [ "$size" -le 12288 ] || differ "$name: part $((k + 1)) holds $size bytes"
  cat "$work/$name/body$k" >>"$work/$name/bodies"
done
report_lines "$station/logdata.zvx" | cmp -s - "$work/$name/bodies" ||
  differ "$name: the parts together are not the report"
ids=$(cat "$work/$name"/up/stat/*.text | grep -c "^"$'\x01'"MSGID: " || true)
distinct=$(cat "$work/$name"/up/stat/*.text | grep "^"$'\x01'"MSGID: " | sort -u | wc -l)
[ "$ids" = "$count" ] && [ "$distinct" = "$count" ] ||
  differ "$name: $distinct different MSGIDs in $count messages"

if [ "$failures" -gt 0 ]; then
  echo "tosser-test: $failures differences; what the runs left is in $work"
  exit 1
fi
echo "tosser-test: crashmail tossed every packet, and the messages are the reports"
rm -rf "$work"
