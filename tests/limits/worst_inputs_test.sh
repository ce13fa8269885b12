#!/bin/sh
# The worst inputs known for fenra32-calc, each run as a process of its own under limits the
# kernel keeps (setrlimit through ulimit): 1 s of CPU time (RLIMIT_CPU, SIGXCPU beyond it) and
# 100 MB of address space above what the program needs to start (RLIMIT_AS). Each must end by
# itself with its exit status (2 a wrong command line, 1 a file or calculation problem, 0 done),
# never be killed, never crash. CPU time, unlike the clock, does not grow when the machine is
# busy; each input takes at most half a second of it (the 200,000-entry material list). A hang that uses no CPU is left to the test
# runner's own timeout.
# Usage: worst_inputs_test.sh FENRA32_CALC DATABASE WORK_FOLDER [no-memory-limit [CPU_SECONDS]]
# The fourth argument leaves the address space unlimited: a sanitized build reserves terabytes
# of it for its shadow memory. The fifth gives more CPU time to a build whose checks make it
# slower than the one a user runs.
set -u
calc=$1
database=$2
work=$3
memory_limit=${4:-memory-limit}
cpu_seconds=${5:-1}
failures=0

# The address space the program needs for --help (its code, libraries and first allocations),
# found by halving; the worst inputs get 100 MB more than that.
start_kb() {
    low=0
    high=1048576
    while [ $((high - low)) -gt 1024 ]; do
        mid=$(((low + high) / 2))
        if (ulimit -v $mid; exec "$calc" --help) >/dev/null 2>&1; then high=$mid; else low=$mid; fi
    done
    echo $high
}
if [ "$memory_limit" = no-memory-limit ]; then
    memory_kb=unlimited
else
    memory_kb=$(($(start_kb) + 102400))
fi

rm -rf "$work"
mkdir -p "$work/list"
cp "$database" "$work/list/Fenra32.mdb"

# A material list of 200,000 entries, read before every command.
awk 'BEGIN { print "Name,Formula,Density,Source"; for (k = 0; k < 200000; k++) print "m" k ",H2O,1,S" }' \
    > "$work/list/materials.csv"
mkfifo "$work/fifo.mdb"
deep=$(awk 'BEGIN { for (k = 0; k < 40000; k++) printf "("; printf "H"; for (k = 0; k < 40000; k++) printf ")" }')

# expect STATUS ARGUMENTS...
expect() {
    want=$1
    shift
    # One malloc arena: glibc reserves 64 MB of address space for each further arena a thread
    # opens when it meets another in malloc, which counts against ulimit -v by the luck of the
    # threads' timing (the ion paths on two threads failed 1 run in 6), not by what is used.
    (ulimit -v $memory_kb; ulimit -t $cpu_seconds; export MALLOC_ARENA_MAX=1
     exec "$calc" "$@") >"$work/out" 2>"$work/err"
    got=$?
    if [ "$got" != "$want" ]; then
        why=""
        case $got in 137 | 152) why=", killed (the CPU limit is SIGXCPU, then SIGKILL)" ;; esac
        echo "FAILED (status $got$why, expected $want): fenra32-calc $(echo "$*" | cut -c1-120)"
        head -c 300 "$work/err"
        echo
        failures=$((failures + 1))
    fi
}

db="--db $database"
expect 2 $db stopping H "$deep" 5MeV
expect 2 $db range H Si 5MeV --mass 1e300
expect 2 $db range H H1000000000000000000000000000000000000000O 5MeV
expect 2 $db range H H0.00000000000000000000000000000000000000000000000001O 5MeV
expect 2 $db range H Si 5MeV --density 1e300
expect 2 $db range H Si 1e308MeV
expect 1 $db energy-for-range H Si 1e9mm 1e10mm 1e300e15/cm2
expect 1 $db energy-before He 250 Si:1e45nm
expect 1 $db energy-before U 1e-300 Au:1e45e15/cm2
expect 1 $db energy-before He 250 Si:1e30nm --model classic
expect 1 $db energy-before U 1e-300 Au:1e13e15/cm2 --model classic
expect 0 $db range U Au 3.3e38 1e-30 1e-300 1e6MeV/u
expect 0 $db layers He 1e7MeV/u Si:1mm mylar:0mm
# The ion paths: more threads than the address space lets the system start (the others do the
# work), a layer thicker than any histogram, the largest histograms, energies at the ends.
expect 0 $db implant H 1MeV Si:10nm --ions 5000 --threads 1024
expect 0 $db implant B 50keV Si:1e30nm --ions 100
expect 0 $db implant B 50keV Si:1um --bins 100000 --ions 300
expect 0 $db implant B 50keV Si:1um --density 1e-30 --ions 10
expect 2 $db implant U 1e-3keV Si:1um
expect 2 $db implant H 1e308MeV Si:1um --ions 10
expect 1 --db "$work/fifo.mdb" range He Si 5MeV
expect 0 --db "$work/list/Fenra32.mdb" range He m0 5MeV
expect 0 --db "$work/list/Fenra32.mdb" stopping He m199999 5MeV

if [ $failures -ne 0 ]; then
    echo "$failures of the worst inputs failed"
    exit 1
fi
echo "every worst input ended by itself within ${cpu_seconds} s of CPU and ${memory_kb} KB"
