#!/usr/bin/env bash
# bench/peers/run.sh BIN-DIR [WORK-DIR] [ENTRIES...]
# Times qbk3-cli, qbk3, hledger, ledger and HomeBank on the same generated entries and
# prints a table: best of three, wall seconds and peak resident MB. A measure whose first
# run takes over a minute is run once ("1 run"); a run over five minutes is stopped.
# Needs: a built tree (BIN-DIR = build/bin), python3, and
#   apt-get install hledger ledger homebank xvfb xdotool bc
# The windows run under Xvfb on DISPLAY :97 (started here when nothing answers there).
set -euo pipefail
bin=$(cd "${1:?usage: run.sh BIN-DIR [WORK-DIR] [ENTRIES...]}" && pwd)
work=${2:-/tmp/peers}
sizes=("${@:3}")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000)
here=$(cd "$(dirname "$0")" && pwd)
limit=300
started=$(uptime)
mkdir -p "$work"
export DISPLAY=:97 XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

xvfb=
if ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    Xvfb :97 -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    sleep 1
fi
trap '[ -z "$xvfb" ] || kill "$xvfb"' EXIT

# best LABEL SETUP-COMMAND COMMAND...: SETUP-COMMAND (may be :) runs before each run.
declare -A cell
best() {
    local label=$1 setup=$2 wall mb best_wall='' best_mb='' runs=0
    shift 2
    while [ $runs -lt 3 ]; do
        eval "$setup"
        if ! timeout $limit /usr/bin/time -f "%e %M" -o "$work/time.out" "$@" >/dev/null 2>"$work/err.out"; then
            tail -2 "$work/err.out" >&2
            cell[$label]="failed or > $limit s"
            return
        fi
        read -r wall mb < <(tail -1 "$work/time.out")
        runs=$((runs + 1))
        if [ -z "$best_wall" ] || [ "$(echo "$wall < $best_wall" | bc)" = 1 ]; then
            best_wall=$wall best_mb=$((mb / 1024))
        fi
        [ "$(echo "$wall > 60" | bc)" = 1 ] && [ $runs = 1 ] && break
    done
    cell[$label]="$best_wall s, $best_mb MB"
    if [ $runs = 1 ]; then cell[$label]+=" (1 run)"; fi
}

now() { date +%s.%N; }
# waitwin NAME-REGEX START: seconds from START until a visible window of that name at
# least 800 pixels wide (qbk3's start-up notice has the main window's title).
shown() {
    local w
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        (eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" && [ "${WIDTH:-0}" -ge 800 ]) && return 0
    done
    return 1
}
waitwin() {
    while ! shown "$1"; do
        [ "$(echo "$(now) - $2 > $limit" | bc)" = 1 ] && return 1
        sleep 0.02
    done
    printf '%.2f' "$(echo "$(now) - $2" | bc)"
}
peak() { echo $(($(awk '/VmHWM/ {print $2}' "/proc/$1/status") / 1024)); }
stop() { kill "$1"; wait "$1" 2>/dev/null || true; }

# window LABEL SIZE: best of three of the start to a shown window, for qbk3 (its book in
# the program's folder, as a program run from build/bin keeps it) and HomeBank (the .xhb
# on its command line, then a double-click on the account for the register of every entry).
window() {
    local label=$1 n=$2 t0 t pid main='' reg='' mainmb regmb
    for _ in 1 2 3; do
        rm -rf "${work:?}/home" && mkdir -p "$work/home"
        t0=$(now)
        if [ "$label" = qbk3 ]; then
            HOME=$work/home "$work/w$n/qbk3" >/dev/null 2>&1 &
            pid=$!
            t=$(waitwin '^Quillbank 3$' "$t0") || t=
        else
            HOME=$work/home homebank "$work/j$n/book.xhb" >/dev/null 2>&1 &
            pid=$!
            t=$(waitwin 'book\.xhb - ' "$t0") || t=
        fi
        if [ -z "$t" ]; then stop $pid; cell[$label $n]="no window in $limit s"; return; fi
        if [ -z "$main" ] || [ "$(echo "$t < $main" | bc)" = 1 ]; then main=$t mainmb=$(peak $pid); fi
        if [ "$label" = homebank ]; then
            sleep 1  # let the account list take the click
            xdotool mousemove 91 133 click --repeat 2 --delay 80 1
            t0=$(now)
            if t=$(waitwin '^bank - HomeBank$' "$t0"); then
                if [ -z "$reg" ] || [ "$(echo "$t < $reg" | bc)" = 1 ]; then reg=$t regmb=$(peak $pid); fi
            fi
        fi
        stop $pid
        [ "$(echo "$main > 60" | bc)" = 1 ] && break
    done
    cell[$label $n]="$main s, $mainmb MB"
    if [ "$label" = homebank ]; then
        cell[register $n]=${reg:+"$reg s, $regmb MB"}
        cell[register $n]=${cell[register $n]:-"not shown in $limit s"}
    fi
}

for n in "${sizes[@]}"; do
    book=$work/b$n j=$work/j$n
    [ -f "$book/quillbank.dat" ] || "$bin/make_book" "$book" "$n" 2026-12-07 --years 20 --settings
    [ -f "$j/book.xhb" ] || python3 "$here/book_to_journal.py" "$bin/qbk3-cli" "$book" "$j"
    rm -rf "$work/w$n" && cp -r "$book" "$work/w$n" && cp "$bin/qbk3" "$work/w$n/"
    cats=$("$bin/qbk3-cli" category list "$book" | tail -n +2 | cut -f1 | sed 's/^/--category /')

    best "list $n" : "$bin/qbk3-cli" list "$book" --from 01/01/1700 --to 12/31/2100
    # shellcheck disable=SC2086  # one --category CODE pair a word
    best "report $n" : "$bin/qbk3-cli" report "$book" summary $cats --from 01/01/2026 --to 12/31/2026
    best "import $n" "rm -rf '$work/imp' && mkdir '$work/imp'" "$bin/qbk3-cli" import "$work/imp" \
        "$j/book.csv" --date 1 --amount 2 --category 3 --note 4 --user1 5 --user2 6 \
        --skip-header --keep-duplicates
    best "hledger register $n" : hledger -f "$j/book.journal" register
    best "hledger balance $n" : hledger -f "$j/book.journal" balance -p 2026
    best "hledger csv $n" : hledger -f "$j/book.csv" --rules-file "$j/book.rules" print
    best "ledger register $n" : ledger -f "$j/book.journal" register
    best "ledger balance $n" : ledger -f "$j/book.journal" balance -p 2026
    window qbk3 "$n"
    window homebank "$n"
done

row() {
    local line="| $1 |" n
    for n in "${sizes[@]}"; do line+=" ${cell[$2 $n]:-} |"; done
    echo "$line"
}
# shellcheck disable=SC2016  # the backquotes are Markdown
{
echo "load at the start: $started"
echo "load at the end:   $(uptime)"
printf '| what |'; printf ' %s entries |' "${sizes[@]}"; echo
printf '| --- |'; printf ' --- |%.0s' "${sizes[@]}"; echo
row '`qbk3-cli list` of every entry' list
row '`qbk3-cli report summary`, 2026, all categories' report
row '`qbk3-cli import` of the CSV into an empty folder' import
row '`qbk3` start to the shown main window (fiscal year 2026 listed)' qbk3
row '`hledger register`' 'hledger register'
row '`hledger balance -p 2026`' 'hledger balance'
row '`hledger print` of the CSV with rules' 'hledger csv'
row '`ledger register`' 'ledger register'
row '`ledger balance -p 2026`' 'ledger balance'
row 'HomeBank start to the shown main window, .xhb opened' homebank
row 'HomeBank double-click on the account to its shown register' register
}
