#!/usr/bin/env bash
# Runs a Windows test program in a Wine prefix of its own that lacks the font substitutes
# of the project's prefix, like a user's own Wine (the Linux fonts stay installed). The
# prefix is made on the first run, beside the project's: build/wineprefix-plain.
#   run_without_font_substitutes.sh PROGRAM.exe [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../../../../scripts/common.sh"
export WINEPREFIX="$BUILD/wineprefix-plain"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null || true
fi
# This prefix's own server, holding none of CTest's pipes; ended again when done.
wineserver -p >/dev/null 2>&1 </dev/null || true
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine "$@"
