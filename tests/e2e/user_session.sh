# What the end-to-end tests share: a user's machine of their own in a
# temporary folder, a bound on the whole run, screenshots, and the waits that
# drive the program by what the screen and the files show, never by a guess.
#
# The program runs as a copy in the temporary folder, with a temporary home
# and XDG folders, so that its settings file (beside the copy), its recovery
# files and its caches never touch the user's own.
#
# Sourced by a test after it has set zelvo and artifacts; the test then calls
# begin_session with its time bound in seconds and the tools it needs.

xvfb_pid=
app_pid=
watchdog=
shot_count=0

# Every step runs whatever the one before it gave: a process that has already
# ended must not stop the X server from being ended too, or the test run would
# wait for it.
cleanup() {
  set +e
  for pid in $app_pid $xvfb_pid $watchdog; do
    kill "$pid" 2>/dev/null
  done
  rm -rf "$work"
}

# A screenshot of the whole screen, numbered in the order the stages come.
shot() {
  shot_count=$((shot_count + 1))
  import -window root "$(printf '%s/%02d-%s.png' "$artifacts" "$shot_count" "$1")"
}

fail() {
  echo "FAIL: $*" >&2
  [ -n "$xvfb_pid" ] && shot failure 2>/dev/null
  [ -s "$work/app.log" ] && sed 's/^/  program: /' "$work/app.log" >&2
  exit 1
}

# begin_session SECONDS TOOL...: checks the tools, makes the work folder and
# the user's machine in it, and bounds the whole run: a hung dialog ends the
# test, not the test run. Ended early, the watchdog takes its timer with it.
begin_session() {
  local limit=$1 tool
  shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null || {
      echo "FAIL: $tool is missing: tools/setup installs it" >&2
      exit 1
    }
  done
  rm -rf "$artifacts"
  mkdir -p "$artifacts"
  work=$(mktemp -d)
  trap cleanup EXIT
  (
    sleep "$limit" >/dev/null 2>&1 &
    timer=$!
    trap 'kill "$timer" 2>/dev/null; exit 0' TERM
    wait "$timer" && kill -TERM $$ 2>/dev/null
  ) &
  watchdog=$!
  # shellcheck disable=SC2064 # the bound is fixed now
  trap "fail 'the run took longer than $limit s'" TERM

  mkdir -p "$work"/{app,home,config,data,cache,runtime,models}
  chmod 700 "$work/runtime"
  cp "$zelvo" "$work/app/zelvo"
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
  export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
  export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
  unset SESSION_MANAGER
}

# The id of the first visible window whose name matches, once there is one.
wait_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1) || true
  [ -n "$id" ] || fail "no window \"$1\" appeared"
  echo "$id"
}

wait_gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window \"$1\" did not close"
}

wait_file() {
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "$1 was not written"
}

# A print writes its file whole once it has finished, however long a loaded
# machine takes; one that cannot write it says so in an error box, and waiting
# on would only end in a guess.
wait_printed() {
  for _ in $(seq 1200); do
    [ -s "$1" ] && return 0
    xdotool search --onlyvisible --name '^エラー$' >/dev/null 2>&1 &&
      fail "the program could not print to $1 (its error box is in the failure screenshot)"
    sleep 0.1
  done
  fail "$1 was not written within 120 s: $(ls -la "$(dirname "$1")")"
}

# Sets X, Y, WIDTH and HEIGHT to the window's bounds on the screen.
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# The server takes the pointer's moves and clicks in the order they are sent.
# (A move with --sync to where the pointer already is would wait for nothing.)
click_at() {
  xdotool mousemove "$1" "$2" click 1
}

keys() {
  xdotool key --delay 40 "$@"
}

screen_sum() {
  import -window root rgb:- 2>/dev/null | md5sum
}

# Waits until the screen holds still.
still() {
  local now last=
  for _ in $(seq 100); do
    now=$(screen_sum)
    [ "$now" = "$last" ] && return 0
    last=$now
    sleep 0.05
  done
  fail "the screen did not hold still"
}

# Runs the command given, then waits until the screen has changed and holds
# still: the program has taken what was sent and shows it.
settled() {
  local before now last=
  before=$(screen_sum)
  "$@"
  for _ in $(seq 100); do
    now=$(screen_sum)
    [ "$now" != "$before" ] && break
  done
  for _ in $(seq 100); do
    [ "$now" = "$last" ] && return 0
    last=$now
    now=$(screen_sum)
  done
  fail "the screen did not settle after: $*"
}
