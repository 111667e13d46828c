#!/bin/sh
# Runs the analyser on the example log in a scratch directory, shows the
# statistics file it wrote, converted from CP866 for this terminal, and
# says where its web page is.
set -e
binary=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
work=$(dirname "$binary")/demo
rm -rf "$work"
mkdir -p "$work"
cd "$work"
cp "$here/brantlow.cfg" "$here/max.log" .
"$binary" "$here/t-mail.log" /d=15.03 /c=120 +l +a +b --html </dev/null
echo
echo "=== logdata.zvx ==="
iconv -f CP866 -t UTF-8 logdata.zvx | tr -d '\r'
echo
echo "=== maxdata.zvx ==="
iconv -f CP866 -t UTF-8 maxdata.zvx | tr -d '\r'
echo
echo "=== the web page of the same run ==="
echo "$work/logdata.html (open it in a browser)"
