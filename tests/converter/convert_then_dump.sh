#!/usr/bin/env bash
# Version-2 files converted by qbk2to3, then read back by qbk3-cli dump: the two programs
# agree on every byte of the version-3 files.
set -euo pipefail
converter=$1 cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/old" "$work/book"

# A version-2 entry record: date text 8, code 2, amount 8 (little-endian, x 10000), note 40.
entry() { printf '%-8.8s%-2.2s' "$1" "$2"; printf "$3"; printf '%-40.40s' "$4"; }
entry "12/31/99" "FO" '\x2c\x29\xed\xff\xff\xff\xff\xff' $'Caf\xe9' >"$work/old/1999QBK.DAT"
entry "01/02/00" "PA" '\x40\x42\x0f\x00\x00\x00\x00\x00' "Salary" >"$work/old/2000QBK.DAT"
printf '%-2.2s%-16.16s' FO Food PA Pay >"$work/old/2000CATS.DAT"

LC_ALL=C "$converter" --convert "$work/old" --into "$work/book" >"$work/out.txt"
# Stamps follow the clock: every column but the stamp is compared.
"$cli" dump "$work/book/quillbank.dat" | cut -f1-7,9 >"$work/dump.txt"
# Category records are 540 bytes: code 10, name 20, description 500, reserved 10.
[ "$(stat -c %s "$work/book/category.dat")" = 1080 ]
fold -b -w 540 "$work/book/category.dat" | cut -b1-30 >>"$work/dump.txt"

expected=$(cat <<'END'
#	EntryDate	CategoryCode	Amount	Note	UserField1	UserField2	DeletedMark
1	01/02/2000	PA        	100	Salary	          	          	N
2	12/31/1999	FO        	-123.4644	Café	          	          	N
FO        Food                
PA        Pay                 
END
)
diff <(printf '%s\n' "$expected") "$work/dump.txt"
