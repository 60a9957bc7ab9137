# Sourced by the CPU measuring scripts. A process's CPU is utime + stime of all its threads, read
# from /proc/<pid>/stat; its context switches, summed over its threads, tell the stretches where
# the 10 ms frame timer runs (5 or more in a 100 ms sample) from the quiet ones. Clock ticks are
# 10 ms: over the rest, where the program runs about a millisecond a second, that is too coarse,
# so each sample also gives the nanoseconds the scheduler counted for each live thread
# (/proc/<pid>/task/<tid>/schedstat); a thread's time counts between two samples that both see it.

# One line: seconds since `start` (an $EPOCHREALTIME), utime + stime in clock ticks, context
# switches, then tid:nanoseconds for each live thread, comma-separated.
cpu_sample() {
    local pid=$1 start=$2 stat switches nanoseconds
    stat=$(<"/proc/$pid/stat")
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    switches=$(awk '/ctxt_switches/ { n += $2 } END { print n }' "/proc/$pid/status")
    nanoseconds=$(for task in /proc/"$pid"/task/*; do
        read -r run _ <"$task/schedstat" 2>/dev/null && printf '%s:%s,' "${task##*/}" "$run"
    done)
    echo "$(awk -v now="$EPOCHREALTIME" -v s="$start" 'BEGIN { printf "%.3f", now - s }') \
$((fields[11] + fields[12])) $switches $nanoseconds"
}

# Samples `pid` every 100 ms into `log` until `seconds` have passed since `start`.
cpu_sample_until() {
    local pid=$1 start=$2 seconds=$3 log=$4
    while (($(awk -v now="$EPOCHREALTIME" -v s="$start" -v d="$seconds" \
        'BEGIN { print (now - s < d) }'))); do
        cpu_sample "$pid" "$start" >>"$log"
        sleep 0.1
    done
}

# The show's CPU from a log of cpu_sample lines: between `from` and `to` seconds, the moving
# stretches (a ball's flight, then the last 3 s of the stretch, its tile's spin) and the pauses;
# then, between `rest_from` and `rest_to` (0 and 0 to leave it out), the rest with the recap in.
# Prints lines "flights: <s> s, CPU <%> % of a core", "spins: ...", "pauses: ..." and "rest ...".
cpu_show_stretches() {
    awk -v hz="$(getconf CLK_TCK)" -v from="$2" -v to="$3" -v rest_from="${4:-0}" \
        -v rest_to="${5:-0}" '
        {
            # The nanoseconds of each live thread in this sample, by thread id.
            delete now
            count = split($4, threads, ",")
            for (i = 1; i <= count; i++) {
                if (split(threads[i], pair, ":") == 2) now[pair[1]] = pair[2]
            }
        }
        NR > 1 {
            dt = $1 - t; cpu = ($2 - u) / hz; sw = $3 - c
            moving = sw >= 5
            if ($1 > from && $1 < to) {
                if (moving) { seg_t[nseg] += dt; seg_cpu[nseg, ++seg_n[nseg]] = cpu;
                              seg_dt[nseg, seg_n[nseg]] = dt }
                else { if (seg_n[nseg] > 0) nseg++; quiet_t += dt; quiet_cpu += cpu }
            }
            if ($1 >= rest_from && $1 <= rest_to) {
                rest_t += dt; rest_cpu += cpu; rest_sw += sw
                for (id in now) if (id in ran) rest_ns += now[id] - ran[id]
            }
        }
        {
            t = $1; u = $2; c = $3
            delete ran
            for (id in now) ran[id] = now[id]
        }
        END {
            for (s = 0; s <= nseg; s++) {
                if (seg_n[s] == 0) continue
                spin_from = seg_t[s] - 3.0; at = 0
                for (i = 1; i <= seg_n[s]; i++) {
                    if (at < spin_from) { fl_t += seg_dt[s, i]; fl_cpu += seg_cpu[s, i] }
                    else { sp_t += seg_dt[s, i]; sp_cpu += seg_cpu[s, i] }
                    at += seg_dt[s, i]
                }
                segments++
            }
            printf "moving stretches during the draw: %d\n", segments
            printf "flights: %5.1f s, CPU %5.2f %% of a core\n", fl_t, 100 * fl_cpu / fl_t
            printf "spins:   %5.1f s, CPU %5.2f %% of a core\n", sp_t, 100 * sp_cpu / sp_t
            printf "pauses:  %5.1f s, CPU %5.2f %% of a core\n", quiet_t, 100 * quiet_cpu / quiet_t
            if (rest_t > 0)
                printf "rest (recap panel in, %d s to %d s): %.1f s, CPU %.3f %% of a core " \
                       "(%.4f %% counted in nanoseconds), %d context switches " \
                       "(%.1f a second)\n", rest_from, rest_to, rest_t, 100 * rest_cpu / rest_t,
                       100 * rest_ns / 1e9 / rest_t, rest_sw, rest_sw / rest_t
        }' "$1"
}
