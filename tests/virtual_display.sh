# A virtual X server for the tests that run the real program. It picks a free
# display itself, so parallel runs never collide, and it does not reset when
# its last client goes: a reset while a restarted program connects would turn
# that program away. Sets xvfb_pid and DISPLAY; calls the caller's fail when
# the server does not come up.
#   start_virtual_display <folder for its files> <screen, as 1280x1024x24>
start_virtual_display() {
  Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp -noreset 3>"$1/display" >"$1/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$1/display" ] && break
    sleep 0.1
  done
  [ -s "$1/display" ] || fail "Xvfb did not start: $(cat "$1/xvfb.log")"
  export DISPLAY=":$(head -1 "$1/display")"
}
