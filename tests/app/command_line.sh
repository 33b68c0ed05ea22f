#!/usr/bin/env bash
# Usage: command_line.sh VELTRANE SOURCE_DIR
# The scripted commands, run as a shell user runs them and with no display: what they
# print, the files they write, their exit status, and that a failure leaves nothing behind.
set -uo pipefail
veltrane=$1
examples=$2/examples
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VELTRANE_REGISTRY_DIR=$work/registry
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run EXPECTED_STATUS ARGS...: runs, keeps standard output and error in $out and $err.
run() {
    local expected=$1
    shift
    "$veltrane" "$@" > "$work/out" 2> "$work/err"
    local status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
    [ "$status" -eq "$expected" ] || fail "veltrane $*: status $status, expected $expected; stderr: $err"
}

# Scores: the car example by hand: Car A (0.5 x 0.8 + 0.25 x 0.4) / 0.75 = 0.667, Car B 0.5.
run 0 --scores "$examples/car.vtp"
grep -Eq '^Place  Option  Score  Best in$' <<< "$out" || fail "scores heading: $out"
grep -Eq '^    1  Car A   0\.667  +[0-9.]+%$' <<< "$out" || fail "scores: Car A first: $out"
grep -Eq '^    2  Car B   0\.500  +[0-9.]+%$' <<< "$out" || fail "scores: Car B second: $out"
grep -q 'The smallest change that makes another option best: ' <<< "$out" || fail "scores: closest change: $out"
[ -z "$err" ] || fail "scores wrote to standard error: $err"
text=$out
# The importer's CSV gives the same figures.
run 0 --scores "$examples/car.csv"
[ "$out" = "$text" ] || fail "scores of the CSV differ from the topic file's: $out"

run 0 --scores "$examples/large.vtp" --json
python3 - "$work/out" << 'PY' || fail "JSON form: $out"
import json, sys
d = json.load(open(sys.argv[1]))
opts = d["options"]
assert len(opts) == 10 and d["draws"] == 10000
assert sorted(o["place"] for o in opts) == list(range(1, 11))
assert abs(sum(o["chanceBest"] for o in opts) - 1) < 1e-9
assert d["best"] == [o["name"] for o in opts if o["place"] == 1][0]
c = d["closestChange"]
assert c is None or (c["slider"] in ("weighting", "rating") and 0 <= c["to"] <= 1 and c["newBest"] != d["best"])
PY

# Export: the window's CSV export, byte for byte.
run 0 --export "$examples/car.vtp" "$work/car.csv"
cmp -s "$work/car.csv" "$examples/car.csv" || fail "export differs from examples/car.csv"

# Usage errors: status 2 and the usage on standard error, nothing on standard output.
for args in "--scores" "--scores a.vtp b.vtp" "--export a.vtp" "--scores a.vtp --frobnicate" \
            "--export a.vtp b.csv --json" "--scores a.vtp --export a.vtp b.csv" "--report a.vtp"; do
    # shellcheck disable=SC2086
    run 2 $args
    grep -q '^Usage: veltrane' <<< "$err" || fail "veltrane $args: no usage on standard error"
    [ -z "$out" ] || fail "veltrane $args printed: $out"
done
run 0 --help
for word in --scores --json --export --report; do
    grep -q -- "$word" <<< "$out" || fail "--help does not list $word"
done

# Failures: status 1, the window's words on standard error, no file written, nothing lost.
run 1 --scores "$work/missing.vtp"
grep -q '^veltrane: An error occurred whilst loading the file!' <<< "$err" || fail "missing topic: $err"
head -c 3000 /dev/urandom > "$work/binary.vtp"
run 1 --scores "$work/binary.vtp"
grep -q 'An error occurred whilst loading the file!' <<< "$err" || fail "binary topic: $err"
sed 's/Rating1=0.9/Rating1=1.9/' "$examples/car.vtp" > "$work/bad.vtp"
run 1 --export "$work/bad.vtp" "$work/bad.csv"
grep -q 'Invalid rating for attribute 1, option 1\.' <<< "$err" || fail "bad rating: $err"
[ ! -e "$work/bad.csv" ] || fail "a failed export left a file"
for command in --export --report; do
    run 1 $command "$examples/car.vtp" "$work/no/such/folder/out"
    grep -q 'An error occurred whilst saving the file!' <<< "$err" || fail "$command to a missing folder: $err"
    [ ! -e "$work/no" ] || fail "$command made a folder"
    # A device (here a pipe) or a folder is never replaced by the output.
    [ -p "$work/pipe" ] || mkfifo "$work/pipe"
    for target in "$work/pipe" "$work"; do
        run 1 $command "$examples/car.vtp" "$target"
        grep -q 'Not an ordinary file: ' <<< "$err" || fail "$command to $target: $err"
    done
    [ -p "$work/pipe" ] || fail "$command replaced a pipe"
    cp "$examples/car.vtp" "$work/same.vtp"
    run 1 $command "$work/same.vtp" "$work/./same.vtp"
    cmp -s "$work/same.vtp" "$examples/car.vtp" || fail "$command overwrote its own topic"
done
# An output that cannot be written keeps the file that was there.
mkdir "$work/locked" && echo kept > "$work/locked/out.pdf" && chmod 555 "$work/locked"
if [ ! -w "$work/locked" ]; then
    run 1 --report "$examples/car.vtp" "$work/locked/out.pdf"
    [ "$(cat "$work/locked/out.pdf")" = kept ] || fail "a failed report changed the old file"
fi
chmod 755 "$work/locked"

# The report: text that can be searched, every font embedded.
run 0 --report "$examples/car.vtp" "$work/car.pdf"
# (Qt itself may say that the session has no runtime folder.)
err=$(grep -v '^QStandardPaths: ' <<< "$err")
[ -z "$err" ] || fail "report wrote to standard error: $err"
if command -v pdftotext > /dev/null; then
    pdftotext -layout "$work/car.pdf" "$work/car.txt" || fail "pdftotext cannot read the report"
    for phrase in 'Choosing a car' 'Car A is best with a score of 0.667, 0.167 ahead of Car B.' 'Car B' \
                  'The smallest change that makes another option best:' 'Page 1 of' 'What the figures do not say'; do
        grep -qF -- "$phrase" "$work/car.txt" || fail "report text lacks: $phrase"
    done
    pdffonts "$work/car.pdf" > "$work/fonts.txt" || fail "pdffonts cannot read the report"
    [ "$(tail -n +3 "$work/fonts.txt" | wc -l)" -gt 0 ] || fail "the report has no fonts"
    tail -n +3 "$work/fonts.txt" | awk '$(NF-4) != "yes" { bad = 1 } END { exit bad }' \
        || fail "a font is not embedded: $(cat "$work/fonts.txt")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "command line: all checks passed"
