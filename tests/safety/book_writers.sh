#!/usr/bin/env bash
# Writers of one book, as scripts and crashes meet them: processes adding at the same time
# lose nothing, every stamp in the book stays unique across processes and runs, and a
# writer killed at any point leaves the old file or the whole new one, never a mix.
set -euo pipefail
cli=$1 converter=$2 make_book=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }
count() { echo $(($(stat -c %s "$1/quillbank.dat") / 125)); }
# Every stamp text of the book's records, one a line; prints the repeated ones.
repeated_stamps() { "$cli" dump "$1/quillbank.dat" | tail -n +2 | cut -f8 | sort | uniq -d; }
# The records without their stamps, in file order.
without_stamps() { "$cli" dump "$1/quillbank.dat" | cut -f1-7,9; }

book=$work/book
mkdir "$book"
"$make_book" "$book" 2000 2026-12-01 >/dev/null
code=$(head -c 10 "$book/category.dat" | tr -d ' ')
for i in $(seq 1 3000); do echo "12/0$((i % 9 + 1))/2026,-$i.25,imported $i,$code,"; done >"$work/lines.csv"
# The same lines again would be left out as duplicates: the second run brings others.
sed 's/,imported /,imported again /' "$work/lines.csv" >"$work/more.csv"
echo "== stamps unique across processes and runs"
"$cli" import "$book" "$work/lines.csv" --date 1 --amount 2 --note 3 --category 4 --date-format mdy >/dev/null
"$cli" import "$book" "$work/more.csv" --date 1 --amount 2 --note 3 --category 4 --date-format mdy >/dev/null
"$cli" add "$book" --expense 1.50 --category "$code" --note "after the imports" >/dev/null
mkdir "$work/old"
printf '%-8.8s%-2.2s\x10\x27\x00\x00\x00\x00\x00\x00%-40.40s' "01/02/99" "AB" "converted" >"$work/old/1999QBK.DAT"
printf '%-2.2s%-16.16s' AB "Converted" >"$work/old/1999CATS.DAT"
"$converter" --convert "$work/old" --into "$book" >/dev/null
"$cli" add "$book" --income 2 --category "$code" >/dev/null
[ "$(count "$book")" = 8003 ] || fail "expected 8003 records, found $(count "$book")"
[ -z "$(repeated_stamps "$book")" ] || fail "repeated stamps: $(repeated_stamps "$book" | head -3)"

echo "== 4 x 25 adds at once"
rm -f "$work/status"
for p in 1 2 3 4; do
    (for i in $(seq 1 25); do
        "$cli" add "$book" --expense "$p.$i" --category "$code" --note "p$p $i" >/dev/null
        echo $? >>"$work/status"
    done) &
done
wait
[ "$(grep -c '^0$' "$work/status")" = 100 ] || fail "not every add succeeded"
[ "$(count "$book")" = 8103 ] || fail "expected 8103 records after the adds, found $(count "$book")"
[ -z "$(repeated_stamps "$book")" ] || fail "repeated stamps after concurrent adds"

echo "== writers killed at random points"
"$make_book" "$book" 2000 2026-12-01 >/dev/null
head -200 "$work/lines.csv" >"$work/few.csv"
kills=0
for round in $(seq 1 20); do
    for command in sort purge add import; do
        cp "$book/quillbank.dat" "$work/before.dat"
        cp -r "$book" "$work/clean"
        case $command in
            add) args=(add BOOK --expense 3 --category "$code" --note "round $round") ;;
            import) args=(import BOOK "$work/few.csv" --date 1 --amount 2 --note 3 --category 4 --date-format mdy) ;;
            *) args=("$command" BOOK) ;;
        esac
        "$cli" "${args[@]/BOOK/$work/clean}" >/dev/null
        "$cli" "${args[@]/BOOK/$book}" >/dev/null 2>&1 &
        sleep "0.00$((RANDOM % 10))"
        kill -9 $! 2>/dev/null && kills=$((kills + 1))
        wait $! 2>/dev/null || true
        if ! cmp -s "$book/quillbank.dat" "$work/before.dat"; then
            diff <(without_stamps "$work/clean") <(without_stamps "$book") >/dev/null ||
                fail "$command killed: the record file is neither the old one nor the new one"
        fi
        rm -rf "$work/clean"
    done
done
echo "killed $kills writers; every record file was old or new"

echo "== the converter killed, then run again"
rm -rf "$work/old" && mkdir "$work/old"
for year in 1995 1996 1997 1998 1999; do
    for i in $(seq 1 400); do
        printf '%-8.8s%-2.2s\x10\x27\x00\x00\x00\x00\x00\x00%-40.40s' "03/04/99" "AB" "$year $i"
    done >"$work/old/${year}QBK.DAT"
done
printf '%-2.2s%-16.16s' AB "Converted" >"$work/old/1999CATS.DAT"
mkdir "$work/cleanrun"
"$converter" --convert "$work/old" --into "$work/cleanrun" >/dev/null
for round in $(seq 1 10); do
    rm -rf "$work/conv" && mkdir "$work/conv"
    "$converter" --convert "$work/old" --into "$work/conv" >/dev/null 2>&1 &
    sleep "0.0$((RANDOM % 10))"
    kill -9 $! 2>/dev/null || true
    wait $! 2>/dev/null || true
    # Interrupted (the journal is there, or nothing was written yet): run it again. A run
    # the kill reached only after its end is a clean run already.
    if [ -e "$work/conv/qbk2to3.journal" ] || [ ! -s "$work/conv/quillbank.dat" ]; then
        # Exit 1 is honest too: the killed run had appended everything already.
        status=0
        "$converter" --convert "$work/old" --into "$work/conv" >/dev/null || status=$?
        [ $status -le 1 ] || fail "converter round $round: the rerun exited $status"
    fi
    diff <(without_stamps "$work/cleanrun") <(without_stamps "$work/conv") >/dev/null ||
        fail "converter round $round: a rerun did not end with the entries of one clean run"
done
echo "every rerun ended with the entries of one clean run"
echo "1 passed, 0 failed"
