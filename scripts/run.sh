#!/usr/bin/env bash
# The main job: sets up a fresh Debian 12 machine (packages via apt-get), builds the programs and
# shows them at work without hardware. hartsim puts three simulated transmitters in multidrop on
# a pseudo-terminal; Halvane runs on it (COM1 pinned to the pseudo-terminal, modem detection off
# because a pseudo-terminal has no modem lines, offscreen when there is no display).
#
#   bash scripts/run.sh           the logger: "Loopscribe START" identifies the three devices and
#                                 logs their readings for about 20 seconds (highest polling
#                                 address 3, every 2 s, log file on); without a display it runs
#                                 headless and prints every record line, with one it shows its
#                                 window and charts. SIGTERM then ends it with the stop lines; it
#                                 ends the driver on its way out.
#   bash scripts/run.sh --driver  the driver alone: halvane-cmd identifies each device with command
#                                 0 and reads it with command 3 (once more with the reply's lines
#                                 named), and shows a mistyped unit refused before sending.
#
# Everything it starts is stopped again by process id.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=logger
case "${1:-}" in
    "") ;;
    --driver) mode=driver ;;
    *) echo "usage: bash scripts/run.sh [--driver]" >&2; exit 2 ;;
esac

bash scripts/install-deps.sh
# A build folder of its own (no tests, no benchmarks), so that a later "cmake -S . -B build"
# starts from the defaults instead of this cache.
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVANE_TESTS=OFF -DHALVANE_BENCH=OFF \
    >/dev/null
cmake --build build-run -j"$(nproc)" --target hartsim Halvane halvane-cmd hartframe Loopscribe
bin=$PWD/build-run/bin

# A private runtime folder (the driver's socket and lock) and settings folder, so the demo never
# meets a driver the user already runs.
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run
export USERPROFILE=$work/profile
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/settings" "$USERPROFILE"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then export QT_QPA_PLATFORM=offscreen; fi

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $2 seconds for command $1 to succeed while process $3 is alive.
wait_for() {
    local deadline=$((SECONDS + $2))
    until eval "$1"; do
        kill -0 "$3" 2>/dev/null || { echo "run.sh: process $3 ended early" >&2; return 1; }
        [ $SECONDS -lt $deadline ] || { echo "run.sh: timed out waiting" >&2; return 1; }
        sleep 0.1
    done
}

echo "== Starting hartsim with three simulated transmitters (data/demo-loop.cfg)"
"$bin/hartsim" --config data/demo-loop.cfg >"$work/hartsim.out" 2>"$work/hartsim.log" &
pids+=($!)
wait_for '[ -s "$work/hartsim.out" ]' 10 "${pids[-1]}"
pty=$(head -n 1 "$work/hartsim.out")
echo "   the loop is on $pty"

echo "== Starting Halvane on COM1 = $pty"
cat >"$work/settings/ZODUVIR.INI" <<INI
[SerialPort]
COM=1
ModemDetection=0
Master=0

[Ports]
COM1=$pty

; the logger's own default language is Czech; the demo speaks the README's language
[ZodUvir]
Language=English
INI
"$bin/Halvane" --settings-dir "$work/settings" >"$work/halvane.log" 2>&1 &
pids+=($!)
wait_for '"$bin/halvane-cmd" --status >/dev/null 2>&1' 30 "${pids[-1]}"

if [ "$mode" = driver ]; then
    show() {
        printf '\n$ halvane-cmd %s\n' "$*"
        local code=0
        "$bin/halvane-cmd" "$@" || code=$?
        [ $code -eq 0 ] || echo "(exit code $code)"
    }

    show --status
    for address in 1 2 3; do
        show 0 "$address"
        show 3 "$address"
    done
    show 3 1
    show --labels 3 1   # the same reply with its lines named
    show 13 2
    show 44 1 kpa       # refused before sending: the unit is spelt kPa
    show 3 9    # nobody at address 9: retries, re-identification, then Communication Error!

    printf '\n$ halvane-cmd --terminate\n'
    "$bin/halvane-cmd" --terminate
    wait "${pids[1]}" && echo "   Halvane ended"
    exit 0
fi

# The logger. Its log file stays after the demo, in the build folder.
logdir=$PWD/build-run/loopscribe-demo
mkdir -p "$logdir"
rm -f "$logdir/monitor.log"
cat >"$work/settings/Loopscribe.ini" <<INI
[Dump_Parameter]
Monitor_Polling_Address=3
Interval=2
Write_To_File=1
Monitor_Append=1
Monitor_Rewrite=0
Monitor_Filename=$logdir/monitor.log
INI

if [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
    echo "== Loopscribe START (no display: headless, the record on standard output)"
    "$bin/Loopscribe" --settings-dir "$work/settings" START 2>"$work/loopscribe.log" &
    pids+=($!)
else
    echo "== Loopscribe START --show (its window and charts; the record as the log file gets it)"
    "$bin/Loopscribe" --settings-dir "$work/settings" --show START >"$work/loopscribe.log" 2>&1 &
    pids+=($!)
    wait_for '[ -s "$logdir/monitor.log" ]' 20 "${pids[-1]}"
    tail -n +1 -f "$logdir/monitor.log" &
    pids+=($!)
fi
logger_pid=${pids[2]}
sleep 20
echo "== Ending Loopscribe (SIGTERM): it writes the stop lines and ends the driver"
kill -TERM "$logger_pid"
code=0
wait "$logger_pid" || code=$?
sleep 0.5   # the last lines reach the terminal
[ $code -eq 0 ] || { echo "run.sh: Loopscribe ended with $code:" >&2; cat "$work/loopscribe.log" >&2; }
for _ in $(seq 100); do kill -0 "${pids[1]}" 2>/dev/null || break; sleep 0.2; done
kill -0 "${pids[1]}" 2>/dev/null || echo "   Halvane ended"
echo "== The log file: $logdir/monitor.log ($(wc -l <"$logdir/monitor.log") lines)"
exit $code
