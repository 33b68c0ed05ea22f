#!/bin/sh
# Start-up time of the program on a 10 x 10 topic file, from launching it to its first
# painted window: measured under a virtual X display, several runs, median reported.
#
# usage: bench_ui_startup.sh VELTRANE_BINARY [RUNS]
set -eu

binary=$(readlink -f "$1")
runs=${2:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

topic="$work/Laptops.vtp"
{
    printf '[Veltrane]\nAppVersion=1.0.0\n\n[Topic]\nName=Choosing a laptop\nTotalOptions=10\nTotalAttributes=10\nInvertWeights=False\n\n[Attributes]\n'
    for j in 0 1 2 3 4 5 6 7 8 9; do
        printf 'Attribute%s_Name=Criterion %s\nAttribute%s_Weighting=0.%s\n' "$j" "$((j + 1))" "$j" "$((j % 9 + 1))"
    done
    for i in 0 1 2 3 4 5 6 7 8 9; do
        printf '\n[Option%s]\nName=Laptop %s\n' "$i" "$((i + 1))"
        for j in 0 1 2 3 4 5 6 7 8 9; do
            printf 'Rating%s=0.%s\n' "$j" "$(((i * 7 + j * 3) % 10))"
        done
    done
} > "$topic"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
    binary=$1; topic=$2; work=$3; runs=$4
    for run in $(seq 1 "$runs"); do
        export VELTRANE_REGISTRY_DIR="$work/registry$run"
        start=$(date +%s%N)
        "$binary" "$topic" > /dev/null 2>&1 &
        pid=$!
        # First the window on screen, then its painted background in it. Taking a picture
        # costs far more than the program needs to paint, so the time is taken when the
        # window shows, unless the first picture finds it still unpainted.
        deadline=$(($(date +%s) + 30))
        while :; do
            [ "$(date +%s)" -lt "$deadline" ] || { echo "no window within 30 s" >&2; kill "$pid"; exit 1; }
            wid=$(xdotool search --onlyvisible --name "^Choosing a laptop - Veltrane\$" 2>/dev/null | head -n 1 || true)
            [ -n "$wid" ] && break
            sleep 0.002
        done
        end=$(date +%s%N)
        while :; do
            [ "$(date +%s)" -lt "$deadline" ] || { echo "window not painted within 30 s" >&2; kill "$pid"; exit 1; }
            colour=$(xwd -id "$wid" -silent 2>/dev/null | /usr/bin/convert xwd:- -format "%[pixel:p{0,0}]" info: 2>/dev/null || true)
            case "$colour" in *145,200,255*) break ;; esac
            end=$(date +%s%N)
            sleep 0.002
        done
        echo $(((end - start) / 1000000))
        kill "$pid"; wait "$pid" 2>/dev/null || true
    done > "$work/times.txt"
' startup "$binary" "$topic" "$work" "$runs"

sort -n "$work/times.txt" | tr '\n' ' ' | sed 's/^/start to first painted frame (ms, sorted): /'; echo
median=$(sort -n "$work/times.txt" | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }')
echo "median: $median ms"
