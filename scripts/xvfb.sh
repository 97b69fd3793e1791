# Starts a private Xvfb on a free display and exports DISPLAY; sourced by the scripts
# that need a screen. stop_xvfb ends it.
XVFB_PID=""
start_xvfb() {
  local fifo display
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  # -displayfd: Xvfb picks a free display itself and reports its number when ready.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 30 display <"$fifo" || true
  rm -f "$fifo"
  [ -n "$display" ] || die "could not start Xvfb"
  export DISPLAY=":$display"
}
stop_xvfb() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
}
