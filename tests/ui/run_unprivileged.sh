#!/usr/bin/env bash
# Runs a test program as an ordinary user: root writes into any directory,
# so a read-only working directory is only a fault for somebody else.
# Usage: run_unprivileged.sh PROGRAM [ARGS...]
set -euo pipefail
program="$1"; shift
if [[ $(id -u) -ne 0 ]]; then exec "$program" "$@"; fi

# A copy the other user can reach, whatever the permissions of the build tree.
place=$(mktemp -d)
trap 'rm -rf "$place"' EXIT
cp "$program" "$place/"
chmod 755 "$place"
chmod 755 "$place/$(basename "$program")"
uid=$(id -u nobody)
gid=$(id -g nobody)
HOME="$place" TMPDIR=/tmp XDG_RUNTIME_DIR= \
  setpriv --reuid="$uid" --regid="$gid" --clear-groups \
  "$place/$(basename "$program")" "$@"
