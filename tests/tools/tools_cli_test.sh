#!/usr/bin/env bash
# Every tool: --help on stdout with exit 0, --version "TOOL VERSION", an
# unknown option or missing argument as one line "TOOL: reason" (plus the hint
# to --help) on stderr with exit 2, and nothing written for any of them.
set -uo pipefail
bin=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

# expect STATUS TOOL ARGS...: runs the tool, keeps stdout and stderr.
expect() {
    local want=$1 tool=$2
    shift 2
    "$bin/$tool" "$@" > out 2> err
    local got=$?
    [ "$got" = "$want" ] || fail "$tool $*: exit $got, expected $want: $(cat err)"
}

for tool in velmar-host vmpacket dxfview kalksrv-catalogue kalksrv-drawings; do
    expect 0 "$tool" --help
    grep -q "^Usage: $tool" out || fail "$tool --help: no usage line on stdout"
    [ -s err ] && fail "$tool --help wrote to stderr: $(cat err)"
    expect 0 "$tool" --version
    [ "$(cat out)" = "$tool $version" ] || fail "$tool --version: $(cat out)"
    expect 2 "$tool" --no-such-option
    grep -q "^$tool: Unknown option 'no-such-option'" err || fail "$tool: reason $(cat err)"
    [ -s out ] && fail "$tool: usage error wrote to stdout"
done

# Missing arguments and values.
expect 2 kalksrv-catalogue
grep -q "^kalksrv-catalogue: no OUT.db" err || fail "catalogue without OUT.db: $(cat err)"
expect 2 kalksrv-catalogue --scale 0 out.db
expect 2 kalksrv-catalogue out.db --scale
expect 2 kalksrv-drawings
expect 2 dxfview
expect 2 dxfview a.dxf --size 10x10
expect 2 vmpacket
expect 2 vmpacket frobnicate
expect 2 vmpacket json a.vmd
grep -q "^vmpacket: --as TYPE is needed" err || fail "json without --as: $(cat err)"
expect 0 vmpacket json --help
grep -q "^Usage: vmpacket \[options\] json --as TYPE FILE" out || fail "json --help: $(head -1 out)"
expect 2 velmar-host --database

# None of this made a file, least of all one named after an option.
leftovers=$(ls -A | grep -v -x -e out -e err)
[ -z "$leftovers" ] || fail "files written: $leftovers"
[ "$failed" = 0 ] && echo "tools: all checks passed"
exit "$failed"
