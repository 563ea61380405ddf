#!/usr/bin/env bash
# Installs the build tree into a temporary DESTDIR, as a package would (prefix /usr), and runs
# the installed programs from there: each must find its table file and language modules in
# share/halvane, since nothing lies beside them in bin/. Also checks the installed manual pages
# (man --warnings, and that each describes every option of its --help) and menu entries
# (desktop-file-validate).
#
# Usage: installed-programs.sh BUILD_DIR VERSION [logger] [languages]
#   logger     the build has the logger, Loopscribe
#   languages  the build has the language modules
set -uo pipefail
build=$1 version=$2
shift 2
with_logger=false with_languages=false
for extra in "$@"; do
    case $extra in
        logger) with_logger=true ;;
        languages) with_languages=true ;;
        *) echo "unknown part: $extra" >&2; exit 2 ;;
    esac
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# expect NAME EXPECTED ACTUAL
expect() { [ "$2" == "$3" ] || fail "$1: expected [$2], got [$3]"; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }
usr=$work/root/usr
bin=$usr/bin
data=$usr/share/halvane

# Private folders, so that nothing meets a driver or the settings of the user running the tests.
export XDG_RUNTIME_DIR=$work/run APPDATA=$work/appdata USERPROFILE=$work/profile
export QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$APPDATA" "$USERPROFILE/Documents" "$work/settings"

[ -z "$(ls "$bin" | grep -v -x -e Halvane -e Loopscribe -e halvane-cmd -e hartframe -e hartsim)" ] ||
    fail "bin/ holds more than the programs: $(ls "$bin" | tr '\n' ' ')"
[ -f "$data/TABEN.DDF" ] || fail "share/halvane/TABEN.DDF is not installed"

# --- Each program starts and says who it is.
"$bin/halvane-cmd" --help >"$work/help.txt" 2>&1 || fail "halvane-cmd --help: exit code $?"
expect "halvane-cmd --help, first line" "Usage: halvane-cmd [OPTIONS] COMMAND ADDRESS [ARGUMENT...]" \
    "$(head -n 1 "$work/help.txt")"
expect "Halvane --version" "Halvane $version" "$("$bin/Halvane" --version 2>&1)"
expect "hartsim --version" "hartsim $version" "$("$bin/hartsim" --version 2>&1)"
if $with_logger; then
    expect "Loopscribe --version" "Loopscribe $version" "$("$bin/Loopscribe" --version 2>&1)"
    expect "Loopscribe --help, first line" "Usage: Loopscribe [options] [START]" \
        "$("$bin/Loopscribe" --help 2>&1 | head -n 1)"
fi

# --- hartframe names the units of a command 3 reply from the installed table file.
frame="FF FF FF FF FF 86 A6 05 01 02 03 03 10 00 00 41 40 00 00 0C 42 48 00 00 20 41 AC 00 00 FC"
# shellcheck disable=SC2086
expect "hartframe reply" "3|0|||12|kPa|50|degC|21.5|" "$("$bin/hartframe" reply $frame | tr '\n' '|')"

# --- halvane-cmd checks a command line against the installed table file before sending it.
"$bin/halvane-cmd" 44 1 kpa >/dev/null 2>"$work/check.txt"
expect "halvane-cmd 44 1 kpa, exit code" 2 $?
grep -q "did you mean kPa?" "$work/check.txt" || fail "halvane-cmd 44 1 kpa: $(cat "$work/check.txt")"

# --- The installed driver on the installed simulator: the reply names its units from the table.
# Waits up to $2 seconds for command $1 to succeed while process $3 is alive.
wait_for() {
    local deadline=$((SECONDS + $2))
    until eval "$1"; do
        kill -0 "$3" 2>/dev/null || { fail "process $3 ended early"; return 1; }
        [ $SECONDS -lt $deadline ] || { fail "timed out waiting for: $1"; return 1; }
        sleep 0.05
    done
}
# The installed logger, headless, on the running driver $1: it names the device's distributor
# from its own table file, and ends cleanly on SIGTERM (leaving the driver running).
check_logger() {
    printf '[Dump_Parameter]\nMonitor_Polling_Address=0\nInterval=2\n[Options]\nDriverAutoOff=0\n' \
        >"$work/settings/Loopscribe.ini"
    "$bin/Loopscribe" --settings-dir "$work/settings" START >"$work/loopscribe.out" \
        2>"$work/loopscribe.err" &
    local logger=$!
    pids+=($logger)
    if wait_for 'grep -q "$polling_words 0.*PV:" "$work/loopscribe.out" 2>/dev/null' 30 $logger; then
        local distributor
        distributor=$(grep -m 1 "^$distributor_word: " "$work/loopscribe.out")
        [[ $distributor == "$distributor_word: "?* && ! $distributor =~ :\ [0-9]+$ ]] ||
            fail "Loopscribe names no distributor from its table file: [$distributor]"
    else
        fail "Loopscribe read nothing: $(cat "$work/loopscribe.out" "$work/loopscribe.err")"
    fi
    kill -TERM $logger
    wait $logger || fail "Loopscribe ended with exit code $? on SIGTERM: $(cat "$work/loopscribe.err")"
    kill -0 "$1" 2>/dev/null || fail "the driver ended with the logger"
}

# A HART 5 transmitter whose manufacturer code (17) the table file names.
"$bin/hartsim" --revision 5 --set manufacturer=17 >"$work/hartsim.out" 2>"$work/hartsim.err" &
pids+=($!)
if wait_for '[ -s "$work/hartsim.out" ]' 10 "${pids[-1]}"; then
    printf '[SerialPort]\nCOM=1\nModemDetection=0\nMaster=0\n[Ports]\nCOM1=%s\n' \
        "$(head -n 1 "$work/hartsim.out")" >"$work/settings/ZODUVIR.INI"
    # With the language modules, both programs in German: the logger's record words come from
    # its installed module Loopscribe.DE, the names from the installed TABDE.DDF.
    if $with_languages; then
        printf '[ZodUvir]\nLanguage=German\n' >>"$work/settings/ZODUVIR.INI"
        polling_words=Polling-Adresse distributor_word=Hersteller
    else
        polling_words="Polling Adress" distributor_word=Distributor
    fi
    "$bin/Halvane" --settings-dir "$work/settings" >"$work/halvane.out" 2>&1 &
    pids+=($!)
    if wait_for '"$bin/halvane-cmd" --status >/dev/null 2>&1' 30 "${pids[-1]}"; then
        # Command 0 first: it teaches the driver the device's long address, which command 3 needs.
        "$bin/halvane-cmd" 0 0 >/dev/null 2>&1 || fail "halvane-cmd 0 0: exit code $?"
        reply=$("$bin/halvane-cmd" 3 0 2>&1 | tr '\n' '|')
        [[ $reply == 3\|0\|*\|kPa\|* ]] || fail "halvane-cmd 3 0 through the installed driver: $reply"
        $with_logger && check_logger "${pids[-1]}"
        "$bin/halvane-cmd" --terminate || fail "halvane-cmd --terminate: exit code $?"
        wait "${pids[-1]}" || fail "Halvane ended with exit code $?"
        if grep -qi "table file" "$work/halvane.out"; then
            fail "Halvane on its table file: $(cat "$work/halvane.out")"
        fi
    fi
fi

# --- Every program has its manual page, and man finds nothing to warn about in it.
for program in "$bin"/*; do
    page=$usr/share/man/man1/$(basename "$program").1.gz
    if [ ! -f "$page" ]; then
        fail "no manual page for $(basename "$program")"
        continue
    fi
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man --warnings $(basename "$page"): $warnings"
    # The page describes every option the program's --help lists.
    text=$(LC_ALL=C MANWIDTH=200 man -l "$page" 2>/dev/null)
    for option in $("$program" --help 2>&1 | grep -o -E -- '(^| )--[a-z][a-z-]*' | sort -u); do
        grep -q -E -e "$option([^a-z-]|\$)" <<<"$text" ||
            fail "the manual page of $(basename "$program") lacks $option, which --help lists"
    done
done

# --- The menu entries are valid, start an installed program and have their icon.
entries=(halvane)
$with_logger && entries+=(loopscribe)
for id in "${entries[@]}"; do
    entry=$usr/share/applications/$id.desktop
    if [ ! -f "$entry" ]; then
        fail "no menu entry $id.desktop"
        continue
    fi
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate $id.desktop: $out"
    [ -z "$out" ] || fail "desktop-file-validate $id.desktop: $out"
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$bin/$program" ] || fail "$id.desktop starts $program, which is not installed"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$id.desktop: no icon $icon.svg"
done

if [ $failures -gt 0 ]; then
    echo "$failures checks of the installed programs failed" >&2
    exit 1
fi
echo "The installed programs run and find their files."
