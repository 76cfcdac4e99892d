#!/bin/sh
# The window's refresh after one width change on the full plane (BM_WindowFullPlane) on one
# core, so by one worker, and on every core; each in a process of its own, alternately, in
# rounds. Prints per round the two refresh times, their ratio, the two peak memories and their
# ratio; the last line the minimum and median of each ratio.
# Usage: bench/window_refresh.sh BUILD_DIR [ROUNDS]. Needs GNU time.
set -eu
bench=$(cd "$1" && pwd)/bench/glyphforge_window_bench
rounds=${2:-5}
cores=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "real_time_ms peak_KB" of the refresh on $1 cores.
refresh() {
    QT_QPA_PLATFORM=offscreen /usr/bin/time -o "$work/peak" -f %M "$bench" \
        --benchmark_filter="BM_WindowFullPlane/cores:$1/" --benchmark_format=csv 2> /dev/null |
        awk -F, '/^"BM_WindowFullPlane/ { t = $3 } END { printf "%s ", t }'
    cat "$work/peak"
}

echo "round  one_ms  every_ms  ratio  one_KB  every_KB  ratio"
for round in $(seq "$rounds"); do
    one=$(refresh 1)
    every=$(refresh "$cores")
    echo "$round $one $every" | awk '{ printf "%5d  %6.1f  %8.1f  %5.3f  %6d  %8d  %5.3f\n",
        $1, $2, $4, $4 / $2, $3, $5, $5 / $3 }'
done | tee "$work/rounds"
awk '{ t[NR] = $4; m[NR] = $7 } END {
    n = NR
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) {
        if (t[j] < t[i]) { x = t[i]; t[i] = t[j]; t[j] = x }
        if (m[j] < m[i]) { x = m[i]; m[i] = m[j]; m[j] = x }
    }
    mid = int((n + 1) / 2)
    printf "time ratio min %.3f median %.3f; memory ratio min %.3f median %.3f\n", t[1],
        n % 2 ? t[mid] : (t[mid] + t[mid + 1]) / 2, m[1], n % 2 ? m[mid] : (m[mid] + m[mid + 1]) / 2
}' "$work/rounds"
