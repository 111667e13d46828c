#!/bin/bash
# Runs real binkd nodes on localhost and keeps what they leave behind:
#
#   tests/binkd/nodes.sh DIR
#
# Node 2:5090/12 ("Gorse Hill") answers (-s); node 2:5090/34 ("Bramble
# Point", password-protected link) polls it (-p) several times, once calling
# 2:5090/56 at a closed port; node 2:5090/78 ("Thistle Cross", no password)
# polls it once, and "Nettle Bank" once, with Bramble Point's address and a
# wrong password. The last poll is cut off while a rate-limited file is on its
# way. DIR receives each node's log (gorse.log, bramble.log, thistle.log, nettle.log),
# binkdlogstat's report over each (*.stat) and truth.tsv, what each poll
# moved as the file systems saw it:
#
#   window DD.MM HH:MM HH:MM    the day and the minutes the run took
#   poll NUMBER CALLER FROM TO  one line per poll, in order, with the times
#                               (hh:mm:ss) every session it made lies between
#   put NODE TO FILE SIZE       a file put in NODE's outbound for TO
#   got NODE POLL FILE SIZE     a complete file found in NODE's inbound after POLL
#
# Every wait is bounded. Exits 77 when binkd is missing (the caller decides
# whether that is a skip), 1 on any failure.
set -euo pipefail

out=${1:?usage: nodes.sh DIR}
command -v binkd >/dev/null && command -v binkdlogstat >/dev/null || exit 77
mkdir -p "$out"
out=$(cd "$out" && pwd)
run=$out/run
rm -rf "$run"
mkdir -p "$run"
truth=$out/truth.tsv
: >"$truth"

fail() { echo "nodes.sh: $*" >&2; exit 1; }

# A port nothing listens on now: a connect to it is refused.
closed_port() {
  local p
  for _ in $(seq 1 50); do
    p=$((20000 + RANDOM % 40000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then
      echo "$p"
      return
    fi
  done
  fail "no free port found"
}

port_gorse=$(closed_port)
port_nowhere=$(closed_port)
[ "$port_gorse" != "$port_nowhere" ] || port_nowhere=$((port_gorse + 1))

# node DIR NAME ADDRESSES: the parts every node's configuration shares.
node_config() {
  local dir=$1 name=$2 addresses=$3
  mkdir -p "$dir/outb" "$dir/inb" "$dir/files"
  cat <<EOF
log $dir/binkd.log
loglevel 4
domain fidonet $dir/outb 2
address $addresses
sysname "$name"
sysop "Sysop of $name"
location "Localhost"
nodeinfo 115200,TCP,BINKP
inbound $dir/inb
inbound-nonsecure $dir/inb
pid-file $dir/binkd.pid
try 1
hold 1s
EOF
}

gorse=$run/gorse bramble=$run/bramble thistle=$run/thistle nettle=$run/nettle
nodes=("$gorse" "$bramble" "$thistle" "$nettle")
{
  node_config "$gorse" "Gorse Hill" "2:5090/12@fidonet 2:5090/12.1@fidonet"
  echo "iport $port_gorse"
  echo "skip all 0 *.mp3"
  echo "limit-rate all 200k *.arc"
  echo "node 2:5090/34@fidonet - sesame"
} >"$run/gorse.cfg"
{
  node_config "$bramble" "Bramble Point" "2:5090/34@fidonet"
  echo "node 2:5090/12@fidonet 127.0.0.1:$port_gorse sesame"
  echo "node 2:5090/56@fidonet 127.0.0.1:$port_nowhere -"
} >"$run/bramble.cfg"
{
  node_config "$thistle" "Thistle Cross" "2:5090/78@fidonet"
  echo "node 2:5090/12@fidonet 127.0.0.1:$port_gorse -"
} >"$run/thistle.cfg"
# Claims Bramble Point's address with a wrong password.
{
  node_config "$nettle" "Nettle Bank" "2:5090/34@fidonet"
  echo "node 2:5090/12@fidonet 127.0.0.1:$port_gorse wrong"
} >"$run/nettle.cfg"

# put NODE DIR TO FLO NAME SIZE: a file of random bytes in DIR's outbound
# for TO, deleted by binkd once sent.
put() {
  local node=$1 dir=$2 to=$3 flo=$4 name=$5 size=$6
  head -c "$size" /dev/urandom >"$dir/files/$name"
  echo "^$dir/files/$name" >>"$dir/outb/$flo"
  printf 'put\t%s\t%s\t%s\t%s\n' "$node" "$to" "$name" "$size" >>"$truth"
}

# Complete files in an inbound (binkd keeps partial ones as *.dt and *.hr).
inbound_list() {
  find "$1/inb" -maxdepth 1 -type f ! -name '*.dt' ! -name '*.hr' -printf '%f\t%s\n' | sort
}

polls=0
# poll CALLER CONFIG SECONDS|cut ARGS...: one poller run, bounded in time
# (cut: stopped a second after the rate-limited file began to arrive); then
# records the files each inbound gained.
poll() {
  local caller=$1 cfg=$2 seconds=$3
  shift 3
  local dir
  local from
  polls=$((polls + 1))
  from=$(date +%T)
  for dir in "${nodes[@]}"; do inbound_list "$dir" >"$dir/before"; done
  # Holds binkd put on a node after a skipped file or a failed call would
  # keep the next poll from calling.
  for dir in "${nodes[@]}"; do rm -f "$dir"/outb/*.hld "$dir"/outb/*.try; done
  if [ "$seconds" = cut ]; then
    # Stopped by its id once the rate-limited file is on its way.
    timeout -s TERM 60 binkd -p "$@" "$cfg" >>"$run/console" 2>&1 &
    local poller=$!
    for _ in $(seq 1 300); do
      grep -q "receiving cut.arc" "$bramble/binkd.log" && break
      sleep 0.1
    done
    sleep 1
    kill "$poller" 2>/dev/null || true
    wait "$poller" 2>/dev/null || true
  else
    timeout -s TERM "$seconds" binkd -p "$@" "$cfg" >>"$run/console" 2>&1 || true
  fi
  sleep 1
  printf 'poll\t%s\t%s\t%s\t%s\n' "$polls" "$caller" "$from" "$(date +%T)" >>"$truth"
  for dir in "${nodes[@]}"; do
    inbound_list "$dir" | comm -13 "$dir/before" - |
      while IFS=$'\t' read -r name size; do
        printf 'got\t%s\t%s\t%s\t%s\n' "$(basename "$dir")" "$polls" "$name" "$size" >>"$truth"
      done
  done
  # The next poll starts in a later second.
  sleep 1
}

started_day=$(date +%d.%m) started=$(date +%H:%M)

# The answering node, stopped by its own id at the end.
timeout -s TERM 120 binkd -s "$run/gorse.cfg" >>"$run/console" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
  grep -q "listen on" "$gorse/binkd.log" 2>/dev/null && break
  sleep 0.1
done
grep -q "listen on" "$gorse/binkd.log" || fail "the answering node does not listen: $(cat "$run/console")"

# 1: both ways, several files, some of several MB; the *.mp3 is refused.
put bramble "$bramble" gorse 13e2000c.flo big1.zip 3000000
put bramble "$bramble" gorse 13e2000c.flo 0000fe01.pkt 1234
put bramble "$bramble" gorse 13e2000c.flo song.mp3 5000
put gorse "$gorse" bramble 13e20022.hlo big2.zip 2500000
put gorse "$gorse" bramble 13e20022.hlo notes.txt 777
poll bramble "$run/bramble.cfg" 30
# 2: a call to a closed port.
poll bramble "$run/bramble.cfg" 30 -P 2:5090/56
# 3: an unlisted node, no password.
put thistle "$thistle" gorse 13e2000c.flo thistle.zip 1048576
put thistle "$thistle" gorse 13e2000c.flo 0000fe02.pkt 4321
put gorse "$gorse" thistle 13e2004e.hlo welcome.txt 999
poll thistle "$run/thistle.cfg" 30 -P 2:5090/12
# 4: one small packet; the refused file is offered again.
put bramble "$bramble" gorse 13e2000c.flo 0000fe03.pkt 2048
poll bramble "$run/bramble.cfg" 30 -P 2:5090/12
# 5: cut off: the rate-limited file is still on its way when the poller stops.
put gorse "$gorse" bramble 13e20022.hlo cut.arc 4000000
poll bramble "$run/bramble.cfg" cut -P 2:5090/12
# 6: a wrong password: the answering node refuses the session.
put nettle "$nettle" gorse 13e2000c.flo 0000fe04.pkt 512
poll nettle "$run/nettle.cfg" 30 -P 2:5090/12

kill "$server"
wait "$server" 2>/dev/null || true
trap - EXIT
printf 'window\t%s\t%s\t%s\n' "$started_day" "$started" "$(date +%H:%M)" >>"$truth"

for dir in "${nodes[@]}"; do
  name=$(basename "$dir")
  cp "$dir/binkd.log" "$out/$name.log"
  binkdlogstat <"$dir/binkd.log" >"$out/$name.stat"
done
