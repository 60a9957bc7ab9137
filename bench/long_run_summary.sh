#!/usr/bin/env bash
# Sums up a long run of bench/measure_long_run.sh from its output folder: growth per hour and per
# draw (a least-squares line through the minutes after the first rest, when the recap table's
# widget is made), the spread of open files, threads and X resources, CPU, and the landings.
# A landing comes 5 s after the one before (the pause) plus the next ball's flight, 2 s to the
# three left-hand columns and 3 s to the others; the watch reads the screen every 100 ms. Several
# tiles seen coloured in one reading are not landings (one ball lands at a time) but the recap
# table sliding in over the board, and are left out. Memory moves by a few megabytes as the
# allocator takes and returns pages, so beside the least-squares line the growth is also given
# as the median of the second half of the run against that of the first, and over the last hour
# alone.
#   bench/long_run_summary.sh <output folder> [clock ticks a second]
set -euo pipefail
out=$1
hz=${2:-$(getconf CLK_TCK)}

awk -v hz="$hz" '
    /^#/ { next }
    { n++; t[n] = $1; rss[n] = $2; anon[n] = $3; heap[n] = $4; fds[n] = $5; thr[n] = $6
      cpu[n] = $7; pix[n] = $8; pixb[n] = $9; win[n] = $10; gcs[n] = $11 }
    function slope(v, from,   i, k, sx, sy, sxx, sxy, x) {
        k = 0; sx = sy = sxx = sxy = 0
        for (i = from; i <= n; i++) { x = t[i] / 3600; k++; sx += x; sy += v[i]; sxx += x * x
                                       sxy += x * v[i] }
        return (k * sxy - sx * sy) / (k * sxx - sx * sx)
    }
    function median(v, a, b,   i, j, k, x, w) {
        k = 0
        for (i = a; i <= b; i++) { x = v[i]; for (j = k; j >= 1 && w[j] > x; j--) w[j + 1] = w[j]
                                   w[j + 1] = x; k++ }
        return k % 2 ? w[(k + 1) / 2] : (w[k / 2] + w[k / 2 + 1]) / 2
    }
    function spread(name, v,   i, lo, hi) {
        lo = hi = v[1]
        for (i = 2; i <= n; i++) { if (v[i] < lo) lo = v[i]; if (v[i] > hi) hi = v[i] }
        printf "%-22s %s to %s\n", name, lo, hi
    }
    END {
        from = 1; while (from < n && t[from] < 600) from++
        hours = t[n] / 3600
        printf "run: %.2f h, %d samples; growth measured from minute %d\n", hours, n, t[from] / 60
        printf "resident memory:       %d kB at start, %d kB at minute %d, %d kB at the end\n",
               rss[1], rss[from], t[from] / 60, rss[n]
        printf "growth per hour:       resident %.1f kB, anonymous %.1f kB, heap %.1f kB" \
               " (least squares)\n", slope(rss, from), slope(anon, from), slope(heap, from)
        half = from + int((n - from + 1) / 2)
        span = (t[n] - t[half]) / 3600 / 2 + (t[half] - t[from]) / 3600 / 2
        printf "growth per hour:       resident %.1f kB, anonymous %.1f kB, heap %.1f kB" \
               " (medians of the two halves)\n", (median(rss, half, n) - median(rss, from, half - 1)) / span,
               (median(anon, half, n) - median(anon, from, half - 1)) / span,
               (median(heap, half, n) - median(heap, from, half - 1)) / span
        print "hourly " (median(rss, half, n) - median(rss, from, half - 1)) / span " " \
              (median(anon, half, n) - median(anon, from, half - 1)) / span " " \
              (median(heap, half, n) - median(heap, from, half - 1)) / span > "/dev/stderr"
        # The last hour alone, once the allocator has settled: the medians of its first and last
        # ten minutes, so one page taken or given back at either end does not count.
        a = 1; while (a < n && t[a] < t[n] - 3600) a++
        b = a; while (b < n && t[b] < t[a] + 600) b++
        c = n; while (c > 1 && t[c] > t[n] - 600) c--
        if (t[n] - t[from] >= 3600)
            printf "growth in the last hour: resident %.1f kB, anonymous %.1f kB, heap %.1f kB" \
                   " (medians of its first and last 10 minutes)\n",
                   median(rss, c, n) - median(rss, a, b), median(anon, c, n) - median(anon, a, b),
                   median(heap, c, n) - median(heap, a, b)
        spread("open files:", fds); spread("threads:", thr); spread("X pixmaps:", pix)
        spread("X pixmap bytes:", pixb); spread("X windows:", win); spread("X GCs:", gcs)
        printf "CPU over the run:      %.2f %% of a core\n",
               100 * (cpu[n] - cpu[1]) / hz / (t[n] - t[1])
    }' "$out/samples.txt" 2>"$out/hourly.txt"

read -r _ rss_hour anon_hour heap_hour <"$out/hourly.txt"
# One ball lands at a time, and none as the rest begins: readings where several tiles turned at
# once, or within a reading of the ">>" button showing, are the recap table and are dropped.
awk '$1 == "landing" { seen[$2]++ } $1 == "rest" { rests[++r] = $2 }
     { line[NR] = $0; at[NR] = $2; kind[NR] = $1 }
     function nearRest(time,   i) {
         for (i = 1; i <= r; i++) if (time > rests[i] - 0.25 && time < rests[i] + 0.25) return 1
         return 0
     }
     END { for (i = 1; i <= NR; i++)
               if (kind[i] != "landing" || (seen[at[i]] == 1 && !nearRest(at[i]))) print line[i] }' \
    "$out/watch.txt" >"$out/landings.txt"
awk -v rss_hour="$rss_hour" -v anon_hour="$anon_hour" -v heap_hour="$heap_hour" '
    BEGIN { draw = 0 }
    function flight(number) { return (number - 1) % 7 < 3 ? 2 : 3 }
    function abs(x) { return x < 0 ? -x : x }
    $1 == "cleared" { draw++; last = ""; next }
    $1 == "landing" {
        landings[draw]++
        if (last != "") {
            deviation = $2 - last - (5 + flight($3))
            k++; d[k] = deviation
            if (abs(deviation) > worst[draw]) worst[draw] = abs(deviation)
            sum[draw] += deviation; count[draw]++
        }
        last = $2; end_of[draw] = $2
        if (landings[draw] == 1) first_of[draw] = $2
    }
    END {
        draws = draw + 1
        full = 0; for (i = 0; i < draws; i++) if (landings[i] == 12) full++
        printf "draws seen: %d, %d of them with all 12 landings\n", draws, full
        for (i = 2; i <= k; i++) { x = d[i]; for (j = i - 1; j >= 1 && d[j] > x; j--) d[j + 1] = d[j]
                                   d[j + 1] = x }
        printf "landing intervals against the nominal 5 s + flight: %d intervals, median %+.3f s," \
               " worst %+.3f / %+.3f s\n", k, d[int((k + 1) / 2)], d[1], d[k]
        printf "first draw: mean %+.3f s, worst %.3f s; last draw: mean %+.3f s, worst %.3f s\n",
               sum[0] / count[0], worst[0], sum[draws - 1] / count[draws - 1], worst[draws - 1]
        hours_per_draw = (end_of[draws - 1] - first_of[0]) / 3600 / (draws - 1)
        printf "growth per draw (%.1f min a draw, from the medians): resident %.0f bytes," \
               " anonymous %.0f bytes, heap %.0f bytes\n", hours_per_draw * 60, rss_hour * hours_per_draw * 1024,
               anon_hour * hours_per_draw * 1024, heap_hour * hours_per_draw * 1024
    }' "$out/landings.txt"
printf '">>" pressed %s times; pointer moved %s times\n' \
    "$(grep -c ' next$' "$out/actions.txt" || true)" "$(grep -c ' pointer$' "$out/actions.txt" || true)"
