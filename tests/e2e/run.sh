#!/bin/bash
# Drives the real program in a real X server with real key presses, as a person would: a
# save and a restore through to the files on disk, the About box, an error, the window titles,
# and the ways the program ends. Screenshots of each window go into the folder given.
#   run.sh PROGRAM SAMPLES SCREENSHOTS
set -euo pipefail

program=$(realpath "$1")
samples=$(realpath "$2")
shots=$(mkdir -p "$3" && realpath "$3")
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/program.log" ] && sed "s/^/program: /" "$work/program.log" | tail -n 40 >&2
    exit 1
}
step() { echo "--- $*"; }

# A display of our own, and a window manager to give windows their frames and the focus.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

active_name() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
active_id() { xdotool getactivewindow 2>/dev/null || true; }

# Waits until the active window has the title (and is not the window given as $2).
wait_active() {
    for _ in $(seq 100); do
        if [ "$(active_name)" = "$1" ] && [ "$(active_id)" != "${2:-}" ]; then return 0; fi
        sleep 0.1
    done
    fail "no active window titled '$1' (the active one is '$(active_name)')"
}

shoot() { import -frame -window "$(active_id)" "$shots/$1.png"; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
same() { cmp -s "$1" "$2" || fail "$1 differs from $2"; }

start() {
    cd "$work/velomar"
    # Arguments, and a locale that is not Japanese, must change nothing.
    LANG=C LC_ALL=C "$program" -reverse -style windows extra >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=($program_pid)
    cd - >/dev/null
    wait_active "ソリカ"
    main=$(active_id)
}

ended_with_zero() {
    local code=0
    for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$program_pid" 2>/dev/null && fail "the program did not end"
    wait "$program_pid" || code=$?
    [ "$code" = 0 ] || fail "exit code $code"
}

cp -r "$samples" "$work/velomar"
cd "$work"

step "start: the window is titled ソリカ with the focus on the target list"
start
sleep 0.5
shoot main
eval "$(xdotool getwindowgeometry --shell "$main")"
[ $((X + WIDTH / 2 - 512)) -le 8 ] && [ $((512 - X - WIDTH / 2)) -le 8 ] ||
    fail "window not centred: x=$X width=$WIDTH"

step "save おともだち帳: Down, Tab to 保存, Enter, OK, OK"
key Down
key Tab
key Return
wait_active "確認"
shoot confirm
# While the box is open the main window neither closes nor takes its shortcuts.
wmctrl -i -c "$main"
key ctrl+x
sleep 0.3
kill -0 "$program_pid" 2>/dev/null || fail "the program ended under a message box"
[ "$(active_name)" = "確認" ] || fail "the box lost the focus"
key Return
wait_active "ソリカ" "$main"
shoot saved
key Return
wait_active "ソリカ"
[ "$(active_id)" = "$main" ] || fail "the main window is not active again"
same velomar/おともだち帳 velomar/設定保存フォルダ/sorika1.sav
[ ! -e velomar/設定保存フォルダ/sorika0.sav ] || fail "another target was saved"

step "restore おともだち帳 over a changed file: Tab to 復元, Enter, OK, OK"
echo "lost friends" >velomar/おともだち帳
key Tab
key Return
wait_active "確認"
shoot restore-confirm
key Return
wait_active "ソリカ" "$main"
key Return
wait_active "ソリカ"
same "$samples/おともだち帳" velomar/おともだち帳

step "an error: restore 標準宝箱, which has no backup"
key Tab
key Down
key Tab
key Tab
key Return
wait_active "エラー"
shoot error
key Return
wait_active "ソリカ"

step "the About box: Ctrl+V, Esc leaves it open, Enter closes it"
key ctrl+v
wait_active "ﾊﾞｰｼﾞｮﾝ情報"
shoot about
# The box asks the window manager for a frame that moves and nothing more: no close,
# minimise or maximise function.
xprop -id "$(active_id)" _MOTIF_WM_HINTS | grep -q '= 0x1, 0x6, ' ||
    fail "the About box asks for title-bar buttons: $(xprop -id "$(active_id)" _MOTIF_WM_HINTS)"
key Escape
[ "$(active_name)" = "ﾊﾞｰｼﾞｮﾝ情報" ] || fail "Esc closed the About box"
key Return
wait_active "ソリカ"

step "Ctrl+X ends the program with 0"
key ctrl+x
ended_with_zero

step "the close box ends it too"
start
wmctrl -i -c "$main"
ended_with_zero

step "Alt+V then Alt+X, through the menu bar's access keys"
start
key alt+v
wait_active "ﾊﾞｰｼﾞｮﾝ情報"
key space
wait_active "ソリカ"
key alt+x
ended_with_zero

echo "end to end: screenshots in $shots"
