#!/usr/bin/env bash
# Screenshots of the logger for its user guide (docs/images/): the real programs under Xvfb
# against hartsim with three simulated transmitters in multidrop. Loopscribe runs a monitor
# (highest polling address 3, every 2 s) with its window and charts shown; the script saves the
# main window, the Monitor Settings dialog (opened through the menu, as a user does) and two
# chart windows. Everything it starts is stopped again by process id.
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

"$bin/hartsim" --config data/demo-loop.cfg >"$work/hartsim.out" 2>"$work/hartsim.log" &
pids+=($!)
wait_for '[ -s "$work/hartsim.out" ]' 10
cat >"$work/settings/ZODUVIR.INI" <<INI
[SerialPort]
COM=1
ModemDetection=0
Master=0

[Ports]
COM1=$(head -n 1 "$work/hartsim.out")
INI
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

# The settings dialog, as a user opens it (Options, Monitor Settings), in a logger at rest.
"$bin/Loopscribe" --settings-dir "$work/settings" >"$work/loopscribe2.log" 2>&1 &
pids+=($!)
wait_for '[ -n "$(window "$caption")" ]' 20
main=$(window "$caption")
sleep 1
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key --window "$main" alt+o
sleep 0.5
xdotool key --window "$main" Return
wait_for '[ -n "$(window "Monitor Settings")" ]' 10
sleep 0.5
shoot "Monitor Settings" loopscribe-settings.png
