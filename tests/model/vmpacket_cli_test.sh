#!/usr/bin/env bash
# vmpacket from the command line: the default configuration as the host sees
# it, encode/json round trips for every record type, and exit statuses.
set -euo pipefail
vm=$1
data=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A default configuration: version 1, 23 items in write order, colour id -1.
echo '{}' > "$tmp/empty.json"
"$vm" encode --as velmar_data "$tmp/empty.json" "$tmp/default.vmd"
"$vm" dump "$tmp/default.vmd" > "$tmp/dump.txt"
head -1 "$tmp/dump.txt" | grep -q '^version 1, header 0x00000000, 23 items' || fail "dump head"
tags=$(grep -E '^\[[0-9]+\]' "$tmp/dump.txt" | sed -E 's/^\[[0-9]+\] tag ([0-9]+),.*/\1/' | tr '\n' ' ')
[ "$tags" = "1 2 3 4 5 6 7 8 9 13 15 16 17 18 19 20 21 22 23 24 25 26 27 " ] || fail "write order: $tags"
colour=$(sed -n '/^\[14\] tag 19,/,/^\[15\]/p' "$tmp/dump.txt" | grep -m1 'tag 1, kind 1 int')
[[ "$colour" == *": -1" ]] || fail "colour id: $colour"

# encode -> json -> encode gives the same JSON and the same bytes, per type.
types="velmar_data velmar_nameid velmar_stahl velmar_artikel velmar_zusatzartikel velmar_rollkasten
       velmar_cutpos velmar_oeffnung_artikel Materialdaten KSP_MATERIAL KSP_WANDANSCHLUSS KSP_WA_NAMEID"
for t in $types; do
    inputs="$tmp/empty.json"
    [ -f "$data/$t.json" ] && inputs="$inputs $data/$t.json"
    for input in $inputs; do
        "$vm" encode --as "$t" "$input" "$tmp/a.bin"
        "$vm" json --as "$t" "$tmp/a.bin" > "$tmp/a.json"
        "$vm" encode --as "$t" "$tmp/a.json" "$tmp/b.bin"
        "$vm" json --as "$t" "$tmp/b.bin" > "$tmp/b.json"
        cmp -s "$tmp/a.json" "$tmp/b.json" || fail "$t json round trip ($input)"
        cmp -s "$tmp/a.bin" "$tmp/b.bin" || fail "$t packet round trip ($input)"
    done
done
"$vm" encode --as velmar_data "$data/velmar_data.json" "$tmp/full.vmd"
# (Output goes to files first: grep -q would end a pipe early.)
"$vm" json --as velmar_data "$tmp/full.vmd" > "$tmp/full.json"
grep -q '"name": "Golden Oak – außen"' "$tmp/full.json" || fail "wide text"
grep -q '"text2": "\\u0001ÿ"' "$tmp/full.json" || fail "narrow bytes"
"$vm" dump "$tmp/full.vmd" > "$tmp/full.txt"
grep -q '"Pos. 1 😀"' "$tmp/full.txt" || fail "dump wide text"
"$vm" encode --as Materialdaten "$data/Materialdaten.json" "$tmp/m.bin"
"$vm" json --as Materialdaten "$tmp/m.bin" > "$tmp/m.json"
grep -q '"t80": "AAECAwQ="' "$tmp/m.json" && fail "t80 is answer-only"
grep -q '"t13": 0.0' "$tmp/m.json" || fail "t13 at -1.0 is not sent"
"$vm" dump "$tmp/m.bin" > "$tmp/m.txt"
grep -q '^\[[0-9]*\] tag 6, kind 1 int, 4 bytes: 0$' "$tmp/m.txt" || fail "tag 6 for system 8404"

# Exit statuses.
status() { set +e; "$@" >/dev/null 2>&1; echo $?; set -e; }
[ "$(status "$vm")" = 2 ] || fail "no command"
[ "$(status "$vm" json --as nothing "$tmp/full.vmd")" = 2 ] || fail "unknown type"
[ "$(status "$vm" dump)" = 2 ] || fail "dump without file"
[ "$(status "$vm" dump "$tmp/missing")" = 1 ] || fail "missing file"
head -c 50 "$tmp/full.vmd" > "$tmp/cut.vmd"
[ "$(status "$vm" dump "$tmp/cut.vmd")" = 1 ] || fail "truncated dump"
[ "$(status "$vm" json --as velmar_data "$tmp/cut.vmd")" = 1 ] || fail "truncated json"
# A colour packet is a valid packet but not a configuration: read is false.
"$vm" encode --as velmar_nameid "$tmp/empty.json" "$tmp/n.bin"
[ "$(status "$vm" json --as velmar_data "$tmp/n.bin")" = 1 ] || fail "read false"
"$vm" json --as velmar_data "$tmp/n.bin" > "$tmp/n.json" 2>/dev/null || true
grep -q '"read": false' "$tmp/n.json" || fail "read false output"
echo '{"rahmen": 1}' > "$tmp/bad.json"
[ "$(status "$vm" encode --as velmar_data "$tmp/bad.json" "$tmp/x.bin")" = 1 ] || fail "bad json"
echo "vmpacket: all checks passed"
