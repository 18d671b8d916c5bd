#!/usr/bin/env bash
# The kill loop: a career is saved over and over (career_saver) and killed
# with SIGKILL after a random few to tens of milliseconds, many times over.
# After every kill the career file left behind is checked (career_check): it
# must be one of the texts the saver was writing, whole, load, and play on.
#
#   tools/kill-loop.sh [kills, default 1000] [build folder, default build]
#
# Build first: cmake --build <build folder> --target career_saver career_check
# Stops by itself after the given number of kills; exits non-zero on any
# failure and then keeps its work folder for a look (KEEP=1 keeps it always).
set -u

kills=${1:-1000}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
saver=$build/bin/career_saver
check=$build/bin/career_check
for b in "$saver" "$check"; do
    [ -x "$b" ] || { echo "missing $b: build career_saver and career_check first" >&2; exit 2; }
done

work=$(mktemp -d /tmp/kill-loop.XXXXXX)
data=$work/data
journal=$work/journal
mkdir -p "$data"
: >"$journal"

pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; exit 130' INT TERM

repeated=0 killed=0 exitedEarly=0 saverFailed=0 inSave=0 withTemp=0 tempsBefore=0
loaded=0 pending=0 noFile=0 failures=0 beforeFirstSave=0
start=$(date +%s.%N)

for ((i = 1; i <= kills; ++i)); do
    commitsBefore=$(grep -c '^C' "$journal")
    delay=$((3 + RANDOM % 58))
    "$saver" "$data" "$journal" $((RANDOM * 32768 + RANDOM)) 5 >/dev/null 2>"$work/saver.err" &
    pid=$!
    sleep "$(printf '0.%03d' "$delay")"
    kill -KILL "$pid" 2>/dev/null
    { wait "$pid"; } 2>/dev/null
    rc=$?
    pid=
    if [ "$rc" -eq 137 ]; then
        killed=$((killed + 1))
    elif [ "$rc" -eq 0 ]; then
        exitedEarly=$((exitedEarly + 1))
    else
        saverFailed=$((saverFailed + 1))
        echo "run $i: the saver failed ($rc): $(cat "$work/saver.err")"
    fi
    [ "$(grep -c '^C' "$journal")" -eq "$commitsBefore" ] && beforeFirstSave=$((beforeFirstSave + 1))

    # Whatever is in the folder besides the career and its history was left
    # by a save cut short.
    temps=$(find "$data" -maxdepth 1 -type f ! -name '*.car' ! -name '*.his' | wc -l)
    [ "$temps" -gt "$tempsBefore" ] && withTemp=$((withTemp + 1))
    tempsBefore=$temps

    out=$(timeout 60 "$check" "$data" "$journal")
    crc=$?
    case $out in *insave*) inSave=$((inSave + 1)) ;; esac
    if [ "$crc" -ne 0 ]; then
        failures=$((failures + 1))
        echo "run $i (killed after ${delay} ms): ${out:-career_check exited $crc}"
        cp "$data/Orsino Valbrecht.car" "$work/failed-$i.car" 2>/dev/null
    else
        case $out in
            ok*) loaded=$((loaded + 1)) ;;
            nofile*) noFile=$((noFile + 1)) ;;
        esac
        case $out in "ok pending"*) pending=$((pending + 1)) ;; esac
        case $out in *repeated*) repeated=${out##*repeated } ;; esac
    fi
done

end=$(date +%s.%N)
tempFiles=$(find "$data" -maxdepth 1 -type f ! -name '*.car' ! -name '*.his' | wc -l)
saves=$(grep -c '^C' "$journal")
echo "kills:                          $killed of $kills runs ($exitedEarly ran out their time, $saverFailed failed)"
echo "career saves completed:         $saves"
echo "runs killed before their first save: $beforeFirstSave"
echo "kills that landed during a save: $inSave (a save begun and not finished)"
echo "  of which the new file was already in place: $pending"
echo "kills that left a new temporary file: $withTemp (temporary files in the folder at the end: $tempFiles)"
echo "career files that loaded and played on: $loaded"
echo "checks with no career file yet: $noFile"
echo "history lines written twice in a row (a booking repeated): $repeated"
echo "failures:                       $failures"
awk -v a="$start" -v b="$end" 'BEGIN { printf "wall time:                      %.1f s\n", b - a }'
if [ "$failures" -eq 0 ] && [ "$saverFailed" -eq 0 ] && [ -z "${KEEP:-}" ]; then
    rm -rf "$work"
    exit 0
fi
echo "work folder kept: $work"
exit 1
