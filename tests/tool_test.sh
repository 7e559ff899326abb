#!/usr/bin/env bash
# vellorin-figure from the outside: its output, its errors and its files.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

check() { # name, then a command that must succeed
    local name=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

# A refused invocation: exit status 2, one line on stderr, nothing on stdout.
refused() {
    "$tool" "$@" >"$work/out" 2>"$work/err"
    [ $? -eq 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ]
}

first=$("$tool" segments --size 100x100 | head -n 3)
check "first segments" [ "$first" = $'85 50 15 50\n85 27 85 73\n69 27 101 27' ]
check "segment count" [ "$("$tool" segments --size=100x100 | wc -l)" -eq 511 ]
check "default size" [ "$("$tool" segments | head -n 1)" = "870 384 154 384" ]
check "negative ratio" [ "$("$tool" segments --size 100x100 --ratio -0.7 | tr '\n' ';')" = "15 50 85 50;15 27 15 73;85 73 85 27;" ]
check "offset as option" [ "$("$tool" segments --size 100x100 --offset=30 | sed -n 2p)" = "73 30 97 70" ]

"$tool" info --ratio 0.6666 --offset 1e400 >"$work/info"
check "info text forms" grep -qx 'ratio 0.667 0.6666' "$work/info"
check "info infinite offset" grep -qx 'offset 1e999 inf' "$work/info"
check "info levels" grep -qx 'levels 16' "$("$tool" info --size 1000x700 >"$work/i2"; echo "$work/i2")"
check "info lengths" grep -q '^lengths 700 489 342 239 ' "$work/i2"
check "info segments" grep -qx 'segments 65535' "$work/i2"
check "info not capped" grep -qx 'capped no' "$work/i2"
check "info capped" grep -q '^capped yes' <("$tool" info --ratio 1)

check "unknown option" refused segments --colour red
check "refused ratio" refused segments --ratio inf
check "refused offset" refused info --offset ' '
check "bad size" refused segments --size 100
check "size out of range" refused segments --size 2147483648x10
check "negative size" refused segments --size -1x10
check "no command" refused
check "unknown command" refused draw
check "missing value" refused segments --ratio
check "render needs a file" refused render
check "unknown file kind" refused render -o "$work/figure.bmp"
check "unwritable file" refused render -o "$work/missing/figure.png"
check "no partial file" [ -z "$(ls -A "$work" | grep -v -e '^out$' -e '^err$' -e '^info$' -e '^i2$')" ]
check "help" bash -c "'$tool' --help | grep -q '^usage: vellorin-figure segments'"

check "render png" "$tool" render --size 320x200 -o "$work/figure.png"
check "png header" bash -c "head -c 8 '$work/figure.png' | od -An -c | grep -q 'P   N   G'"
check "render svg" "$tool" render --size 100x100 -o "$work/figure.svg"
check "svg paths" [ "$(grep -o 'M[0-9-]* [0-9-]* L' "$work/figure.svg" | wc -l)" -eq 511 ]
check "svg first segment" grep -q 'M85 50 L15 50 ' "$work/figure.svg"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
