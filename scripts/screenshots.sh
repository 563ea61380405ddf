#!/usr/bin/env bash
# Screenshots of the logger for its user guide (docs/images/): the real programs under Xvfb
# against hartsim with three simulated transmitters in multidrop. Loopscribe runs a monitor
# (highest polling address 3, every 2 s) with its window and charts shown; the script saves the
# main window, the Monitor Settings dialog (opened through the menu, as a user does) and two
# chart windows. Then, in German and in Russian (Language in ZODUVIR.INI), the driver's window
# with a reply and the logger's main window and settings dialog. Everything it starts is stopped
# again by process id.
#   bash scripts/screenshots.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

bash scripts/install-deps.sh
missing=()
for tool in xvfb-run:xvfb import:imagemagick xwininfo:x11-utils xdotool:xdotool; do
    command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
if [ ! -x "$build/bin/Loopscribe" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVANE_TESTS=OFF \
        -DHALVANE_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target hartsim Halvane halvane-cmd Loopscribe
bin=$PWD/$build/bin
images=$PWD/docs/images
mkdir -p "$images"

# Run again inside a virtual display of its own.
if [ -z "${SCREENSHOTS_INSIDE:-}" ]; then
    exec env SCREENSHOTS_INSIDE=1 xvfb-run -a -s '-screen 0 1280x1024x24' bash "$0" "$build"
fi

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run USERPROFILE=$work/profile
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/settings" "$USERPROFILE"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
wait_for() {  # command, seconds
    local deadline=$((SECONDS + $2))
    until eval "$1"; do
        [ $SECONDS -lt $deadline ] || { echo "screenshots.sh: timed out: $1" >&2; exit 1; }
        sleep 0.2
    done
}
window() { xwininfo -root -tree | awk -v name="\"$1\":" 'index($0, name) {print $1; exit}'; }
readings() { grep -c "Polling Adress [0-9]" "$work/monitor.log" 2>/dev/null || true; }
shoot() {  # window name, file
    local id
    id=$(window "$1")
    [ -n "$id" ] || { echo "screenshots.sh: no window \"$1\"" >&2; exit 1; }
    import -window "$id" "$images/$2"
    echo "   $images/$2"
}

start_loop() {  # Language value: hartsim, and the driver's settings naming its port
    rm -f "$work/hartsim.out"
    "$bin/hartsim" --config data/demo-loop.cfg >"$work/hartsim.out" 2>"$work/hartsim.log" &
    pids+=($!)
    wait_for '[ -s "$work/hartsim.out" ]' 10
    cat >"$work/settings/ZODUVIR.INI" <<INI
[ZodUvir]
Language=$1

[SerialPort]
COM=1
ModemDetection=0
Master=0

[Ports]
COM1=$(head -n 1 "$work/hartsim.out")
INI
}
# The settings dialog, as a user opens it, in a logger at rest: from the keyboard, whatever the
# menus are called, the third menu's first item.
open_settings() {  # title of the settings dialog
    "$bin/Loopscribe" --settings-dir "$work/settings" >"$work/loopscribe2.log" 2>&1 &
    pids+=($!)
    wait_for '[ -n "$(window "$caption")" ]' 20
    main=$(window "$caption")
    sleep 1
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key --window "$main" alt Right Right Down Return
    settings_title=$1
    wait_for '[ -n "$(xdotool search --onlyvisible --name "^$settings_title\$")" ]' 10
    sleep 0.5
}

# The logger's language is Czech unless the settings say otherwise.
start_loop English
QT_QPA_PLATFORM=offscreen "$bin/Halvane" --settings-dir "$work/settings" >"$work/halvane.log" 2>&1 &
pids+=($!)
wait_for '"$bin/halvane-cmd" --status >/dev/null 2>&1' 30

cat >"$work/settings/Loopscribe.ini" <<INI
[Window]
Main_Left=360
Main_Top=200
[Dump_Parameter]
Monitor_Polling_Address=3
Interval=2
Write_To_File=1
Monitor_Filename=$work/monitor.log
[Graphic_Chart]
Max_Point_1=50
Max_Point_2=50
Max_Point_3=50
[Options]
DriverAutoOff=0
INI
version=$("$bin/Loopscribe" --version | awk '{split($2, v, "."); print v[1] "." v[2]}')
caption="LOOPSCRIBE ver. $version"

"$bin/Loopscribe" --settings-dir "$work/settings" --show START >"$work/loopscribe.log" 2>&1 &
logger=$!
pids+=($logger)
# Three identifications, then readings enough for lines in the charts.
wait_for '[ "$(readings)" -ge 12 ] 2>/dev/null' 90

echo "== Screenshots"
shoot "$caption" loopscribe-main.png
shoot "Primary Variable" loopscribe-chart-pv.png
shoot "Secondary Variable" loopscribe-chart-sv.png
import -window root "$images/loopscribe-desktop.png"
echo "   $images/loopscribe-desktop.png"
kill -TERM "$logger"
wait "$logger" || true

open_settings "Monitor Settings"
shoot "Monitor Settings" loopscribe-settings.png

# Both programs in another language. The window names of translated windows are matched by
# xdotool, which reads them in UTF-8.
shoot_named() {  # title, file
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    [ -n "$id" ] || { echo "screenshots.sh: no window \"$1\"" >&2; exit 1; }
    import -window "$id" "$images/$2"
    echo "   $images/$2"
}
stop_all() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
}
lines() { grep -c $'\t' "$work/monitor.log" 2>/dev/null || true; }
in_language() {  # Language value, file suffix, title of the settings dialog
    stop_all
    start_loop "$1"
    # The driver's window, its manual panel opened, with the reply of command 3 to address 1.
    "$bin/Halvane" --settings-dir "$work/settings" --show >"$work/halvane.log" 2>&1 &
    pids+=($!)
    wait_for '"$bin/halvane-cmd" --status >/dev/null 2>&1' 30
    "$bin/halvane-cmd" 0 1 >/dev/null  # the driver learns the device's long address
    local driver
    driver=$(xdotool search --onlyvisible --name '^Halvane$' | while read -r id; do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -gt 100 ] && echo "$id"
    done | head -n 1)
    xdotool mousemove --window "$driver" 173 247 click 1
    sleep 0.5
    xdotool mousemove --window "$driver" 330 46 click --repeat 3 1
    xdotool type --window "$driver" "3;;1"
    xdotool key --window "$driver" Return
    xdotool mousemove --window "$driver" 100 20
    # Until the reply list (white while empty) shows the reply.
    wait_for 'import -window "$driver" "$work/driver.png" &&
        [ "$(convert "$work/driver.png" -crop 360x140+205+70 -format "%[fx:mean<0.99]" info:)" = 1 ]' 20
    sleep 0.5
    import -window "$driver" "$images/halvane-$2.png"
    echo "   $images/halvane-$2.png"

    rm -f "$work/monitor.log"
    "$bin/Loopscribe" --settings-dir "$work/settings" --show START >"$work/loopscribe.log" 2>&1 &
    local logger=$!
    pids+=($logger)
    wait_for '[ "$(lines)" -ge 12 ] 2>/dev/null' 90
    shoot "$caption" "loopscribe-main-$2.png"
    kill -TERM "$logger"
    wait "$logger" || true

    open_settings "$3"
    shoot_named "$settings_title" "loopscribe-settings-$2.png"
}
in_language German de "Überwachungseinstellungen"
in_language Russian ru "Настройки мониторинга"
