#!/bin/bash
# Real binkd nodes on localhost, then brantlow over the logs they wrote:
#
#   tests/binkd/binkd-test.sh BRANTLOW
#
# Skips (status 77) where binkd is missing, unless CI is set; keeps the
# logs and reports of a failed run and says where.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/brantlow-binkd.XXXXXX")
status=0
"$here/nodes.sh" "$work" || status=$?
if [ "$status" = 77 ]; then
  rm -rf "$work"
  if [ -n "${CI:-}" ]; then
    echo "binkd-test: binkd is not installed, and CI wants this test run"
    exit 1
  fi
  echo "binkd-test: binkd is not installed: skipped"
  exit 77
fi
if [ "$status" != 0 ]; then
  echo "binkd-test: the nodes did not run; what they left is in $work"
  exit 1
fi
"$here/check.sh" "$1" "$work"
rm -rf "$work"
