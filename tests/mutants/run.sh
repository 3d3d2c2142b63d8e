#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Vertexa developers
#
# Planted faults: how many of them the test suite catches.
#
#   tests/mutants/run.sh [LIST] [ID...]
#
# LIST (default tests/mutants/mutants.txt) holds one fault a line, four fields
# separated by tabs: an id, a file relative to the tree, a perl expression that
# `perl -0pi -e` applies to the file (it must change it), and what the fault
# breaks. Lines starting with '#' are comments. With IDs, only those run.
#
# The tree is copied to a scratch folder with a build folder of its own
# (MUTANTS_DIR, default /tmp/vertexa-mutants), so an interrupted run leaves the
# working tree untouched. For each fault: apply it, rebuild incrementally, run
# the suite until its first failure, put the file back. A fault counts as
# caught only when a test fails; one under which tests only run out of time is
# reported apart and not scored. A fault in the picture
# generator also empties the generated picture folders first, or a file the
# faulty generator no longer writes would survive from the build before.
# Prints one line per fault and the score; exits 0 unless the unchanged tree
# fails to build or to pass.
set -u -o pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
list=${1:-$top/tests/mutants/mutants.txt}
[ $# -gt 0 ] && shift
[ -f "$list" ] || list=$top/$list
want=" $* "
scratch=${MUTANTS_DIR:-/tmp/vertexa-mutants}
tree=$scratch/tree
build=$tree/build
logs=$scratch/logs
mkdir -p "$tree" "$logs"

# The tree as it is now, committed or not, without build folders. Every file
# is stamped now: a run cut short leaves objects built from a fault, newer than
# the file's own time, which the build would otherwise take as up to date.
find "$tree" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
(cd "$top" && git ls-files -z --cached --others --exclude-standard | xargs -0 -r ls -d 2>/dev/null | tar -cf - -T -) |
    tar -xmf - -C "$tree"

# Each fault relinks every test: an optimised build without debug information,
# linked by lld where there is one, keeps that short. ccache sees paths relative
# to the scratch folder, so two scratch folders share their objects.
options=(-DCMAKE_BUILD_TYPE=Release)
command -v ccache >/dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
command -v ld.lld >/dev/null && options+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld)
export CCACHE_BASEDIR=$scratch CCACHE_NOHASHDIR=1
cmake -S "$tree" -B "$build" -G Ninja "${options[@]}" >"$logs/configure.log" 2>&1 ||
    { echo "the tree does not configure: $logs/configure.log"; exit 2; }

# Without cost data ctest runs the suite in its own order, quick unit tests first,
# so most faults are caught before the long end-to-end runs start.
# A loaded machine can take minutes for one test, hence the long time limit.
# Extra arguments pick tests (-E to leave some out).
suite() {
    local log=$1
    shift
    rm -f "$build/Testing/Temporary/CTestCostData.txt"
    ctest --test-dir "$build" -j2 --stop-on-failure --output-on-failure --timeout 900 "$@" >"$log" 2>&1
}
# The tests a run failed, one "name kind" a line; kind is "timeout" for a test
# that ran out of time (ctest's limit or Qt Test's watchdog), else "failed".
failures() {
    sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+) \((.*)\)$/\1 \2/p' "$1" | while read -r name how; do
        if [ "$how" = Timeout ] || { [ "$how" = "Subprocess aborted" ] && grep -q 'Test function timed out' "$1"; }; then
            echo "$name timeout"
        else
            echo "$name failed"
        fi
    done
}
# Runs the suite against a fault. A timeout proves nothing about the fault:
# the suite runs again without the tests that timed out, and the fault counts
# as caught only when a test fails. Prints "killed TEST", "timeout TESTS" or
# "survived".
verdict() {
    local log=$1 skip=() timedout=() round
    for round in 1 2 3; do
        if suite "$log.$round" "${skip[@]}"; then
            [ ${#timedout[@]} -eq 0 ] && echo survived || echo "timeout ${timedout[*]}"
            return
        fi
        local failed
        failed=$(failures "$log.$round" | awk '$2 == "failed" {print $1; exit}')
        if [ -n "$failed" ]; then
            echo "killed $failed"
            return
        fi
        timedout+=($(failures "$log.$round" | awk '$2 == "timeout" {print $1}'))
        [ ${#timedout[@]} -gt 0 ] || { echo "killed ?"; return; }
        skip=(-E "^($(IFS='|'; echo "${timedout[*]}"))\$")
    done
    echo "timeout ${timedout[*]}"
}
fresh_pictures() {
    rm -f "$build/tools/pictures.stamp"
    find "$build/program" -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
}

fresh_pictures
cmake --build "$build" >"$logs/base-build.log" 2>&1 || { echo "the tree does not build: $logs/base-build.log"; exit 2; }
suite "$logs/base-test.log" || { echo "the unchanged suite fails: $logs/base-test.log"; exit 2; }

killed=0 survived=0 tried=0
survivors=() timeouts=()
while IFS=$'\t' read -r id file expr what; do
    case "$id" in '' | \#*) continue ;; esac
    [ "$want" = "  " ] || [[ "$want" == *" $id "* ]] || continue
    target=$tree/$file
    if [ ! -f "$target" ]; then
        echo "$id NOAPPLY (no file $file)"
        continue
    fi
    cp -p "$target" "$logs/original"
    perl -0pi -e "$expr" "$target"
    if cmp -s "$target" "$logs/original"; then
        echo "$id NOAPPLY ($what)"
        cp -p "$logs/original" "$target"
        continue
    fi
    touch "$target"
    [[ "$file" == tools/* ]] && fresh_pictures
    if ! cmake --build "$build" >"$logs/$id-build.log" 2>&1; then
        echo "$id NOCOMPILE ($what)"
    else
        tried=$((tried + 1))
        start=$(date +%s)
        read -r outcome by < <(verdict "$logs/$id-test.log")
        took="$(($(date +%s) - start)) s"
        case $outcome in
        killed)
            killed=$((killed + 1))
            echo "$id killed by $by ($what) $took"
            ;;
        timeout)
            timeouts+=("$id")
            echo "$id TIMEOUT in $by, no test failed ($what) $took"
            ;;
        *)
            survived=$((survived + 1))
            survivors+=("$id")
            echo "$id SURVIVED ($what) $took"
            ;;
        esac
    fi
    cp -p "$logs/original" "$target"
    touch "$target"
    [[ "$file" == tools/* ]] && fresh_pictures
done <"$list"
cmake --build "$build" >"$logs/final-build.log" 2>&1
echo "killed=$killed survived=$survived timeouts=${#timeouts[@]} tried=$tried score=$killed/$tried" \
    "survivors=${survivors[*]:-none} timed-out=${timeouts[*]:-none} logs=$logs"
