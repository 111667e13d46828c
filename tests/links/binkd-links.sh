#!/bin/bash
# Real binkd nodes on localhost made to call in known ways; the truth of
# each link, written from the calls made, is then checked against
# brantlow's link health over each node's log (tests/links/check.sh):
#
#   tests/links/binkd-links.sh BRANTLOW [DIR]
#
# Node 2:5090/34 ("Bramble Point") calls 2:5090/12 ("Gorse Hill", which
# answers) twice with the right password and once with a wrong one, a
# closed port (2:5090/56) twice, and a host name that cannot be resolved
# (2:5090/57) once. DIR (a temporary directory by default) keeps the logs
# and the truth files. Exits 77 when binkd is missing, 1 on a difference.
set -euo pipefail

brantlow=${1:?usage: binkd-links.sh BRANTLOW [DIR]}
here=$(cd "$(dirname "$0")" && pwd)
command -v binkd >/dev/null || exit 77
keep=${2:-}
if [ -n "$keep" ]; then
  out=$keep
  mkdir -p "$out"
else
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
fi
out=$(cd "$out" && pwd)
run=$out/run
rm -rf "$run"
mkdir -p "$run"

fail() { echo "binkd-links.sh: $*" >&2; exit 1; }

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

# A long domain makes several of binkd's lines longer than one read of the
# log ("connection to 2:5090/56@... failed: Connection refused").
domain=northern-fells-fidonet

# node_config DIR NAME ADDRESS: what every node's configuration shares.
node_config() {
  local dir=$1 name=$2 address=$3
  mkdir -p "$dir/outb" "$dir/inb"
  cat <<CFG
log $dir/binkd.log
loglevel 4
domain $domain $dir/outb 2
address $address
sysname "$name"
sysop "Sysop of $name"
location "Localhost"
nodeinfo 115200,TCP,BINKP
inbound $dir/inb
inbound-nonsecure $dir/inb
pid-file $dir/binkd.pid
try 1
hold 1s
CFG
}

gorse=$run/gorse bramble=$run/bramble
{
  node_config "$gorse" "Gorse Hill" "2:5090/12@$domain"
  echo "iport $port_gorse"
  echo "node 2:5090/34@$domain - sesame"
} >"$run/gorse.cfg"
# The calling node, and the same node with a wrong password for Gorse Hill.
for password in sesame wrong; do
  {
    node_config "$bramble" "Bramble Point" "2:5090/34@$domain"
    echo "node 2:5090/12@$domain 127.0.0.1:$port_gorse $password"
    echo "node 2:5090/56@$domain 127.0.0.1:$port_nowhere -"
    echo "node 2:5090/57@$domain nosuchhost.invalid -"
  } >"$run/bramble-$password.cfg"
done

# call CONFIG ADDRESS: one poll, bounded in time; later polls start in a
# later second. The polls and holds a failed call leaves would make binkd
# call again: only the address asked for is called.
call() {
  rm -f "$bramble"/outb/*.?lo "$bramble"/outb/*.hld "$bramble"/outb/*.try
  timeout -s TERM 30 binkd -p -P "$2" "$run/bramble-$1.cfg" >>"$run/console" 2>&1 || true
  sleep 1
}

day=$(date +%d.%m)
timeout -s TERM 120 binkd -s "$run/gorse.cfg" >>"$run/console" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; [ -n "$keep" ] || rm -rf "$out"' EXIT
for _ in $(seq 1 50); do
  grep -q "listen on" "$gorse/binkd.log" 2>/dev/null && break
  sleep 0.1
done
grep -q "listen on" "$gorse/binkd.log" || fail "the answering node does not listen"

call sesame 2:5090/12
call sesame 2:5090/56
call sesame 2:5090/57
call sesame 2:5090/12
call wrong 2:5090/12
call sesame 2:5090/56

kill "$server"
wait "$server" 2>/dev/null || true
# A run across midnight leaves its calls on two days: no truth for one.
[ "$(date +%d.%m)" = "$day" ] || exit 77
cp "$bramble/binkd.log" "$out/bramble.log"
cp "$gorse/binkd.log" "$out/gorse.log"

# The truth, from the calls above: the times of the good sessions are the
# run's, so their last one and the gaps are not compared (*).
cat >"$out/bramble.truth" <<TRUTH
links 2:5090/12 2:5090/56 2:5090/99
run /d=$day
link 2:5090/12 0 3 3 0 0 0 0 1 0 0 0 0 0 2 * *
link 2:5090/56 1 2 0 0 0 0 0 0 2 0 0 0 0 0 - 1440
link 2:5090/57 0 1 0 0 0 0 0 0 0 0 1 0 0 0 - 1440
link 2:5090/99 1 0 0 0 0 0 0 0 0 0 0 0 0 0 - 1440
TRUTH
cat >"$out/gorse.truth" <<TRUTH
links 2:5090/34
run /d=$day
link 2:5090/34 0 0 0 0 0 0 0 0 0 0 0 0 2 2 * *
TRUTH

status=0
"$here/check.sh" "$brantlow" "$out/bramble.log" "$out/bramble.truth" || status=1
"$here/check.sh" "$brantlow" "$out/gorse.log" "$out/gorse.truth" binkd || status=1
exit "$status"
