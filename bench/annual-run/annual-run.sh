#!/bin/bash
# Year simulation of every bundled example project: integration time, integrator statistics
# and the time of writing the result files (file system time stamps; needs birth times, e.g. ext4). Run it on Release builds:
#   bench/annual-run/annual-run.sh [--repeat N] [--cpu LIST] [--only NAME] [build-dir [base-build-dir]]
# build-dir defaults to build/release (caldoryne-cli must be built). With a second build
# (e.g. the previous commit) both run alternately in the same session, so their ratio is
# measured under the same machine load, and their result files are compared with cmp.
# Times are the minimum and the median of N runs (default 3). --cpu pins the runs with taskset,
# --only runs one example. Runs write below $TMPDIR (TMPDIR=/dev/shm keeps the disk out of the
# write times).
# Not part of the test suite: figures depend on the machine and its load.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
REPEAT=3
CPUS=
ONLY=
while [ $# -gt 0 ]; do
	case "$1" in
		--repeat) REPEAT=$2; shift 2 ;;
		--cpu) CPUS=$2; shift 2 ;;
		--only) ONLY=$2; shift 2 ;;
		*) break ;;
	esac
done
BUILDS=("${1:-$ROOT/build/release}")
[ $# -ge 2 ] && BUILDS+=("$2")
LABELS=(current)
[ ${#BUILDS[@]} -eq 2 ] && LABELS+=(base)
for b in "${BUILDS[@]}"; do
	if [ ! -x "$b/bin/caldoryne-cli" ]; then
		echo "caldoryne-cli not found in $b/bin (build it first: cmake --build $b --target caldoryne-cli)" >&2
		exit 1
	fi
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# a private home keeps the user's program log and databases untouched
export HOME="$WORK/home"
PIN=()
[ -n "$CPUS" ] && PIN=(taskset -c "$CPUS")

value() { grep "^$1=" "$2" | cut -d= -f2; }
# minimum and median of the numbers given as arguments
minmed() { printf "%s\n" "$@" | sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1)/2] : (v[NR/2] + v[NR/2 + 1])/2; printf "%.3f %.3f", v[1], m }'; }

# One run: integration time and the time of writing the result files, taken from the file
# system (creation of the first file to the last change of any), so that builds without
# their own timing of that part are measured the same way.
run_once() { # build label project -> "solver write"
	local cli="$1/bin/caldoryne-cli" dir="$WORK/$2/$(basename "$3" .rmxml)"
	rm -rf "$dir"
	"${PIN[@]}" "$cli" --user-db="$WORK/userdb" run "$3" --output="$dir" > "$WORK/run.out" 2>&1 \
		|| { echo "$2 $(basename "$3"): run failed" >&2; cat "$WORK/run.out" >&2; exit 1; }
	local first last
	first=$(stat -c %.9W "$dir/results/states.tsv")
	last=$(stat -c %.9Y "$dir"/results/* | sort -g | tail -n 1)
	echo "$(value WallClockTime "$dir/log/summary.txt") $(awk -v a="$first" -v b="$last" 'BEGIN { print b - a }')"
}

printf "%-20s %-8s %8s %9s %10s %10s %9s %17s %17s %10s\n" "example" "build" "unknowns" "moisture" "steps" \
	"rhs evals" "jac evals" "solver [s] min/med" "write [s] min/med" "results"
for project in "$ROOT"/resources/examples/*.rmxml; do
	name=$(basename "$project" .rmxml)
	[ -n "$ONLY" ] && [ "$name" != "$ONLY" ] && continue
	declare -A solver=() write=()
	for ((r = 0; r < REPEAT; ++r)); do
		for i in "${!BUILDS[@]}"; do
			read -r s w < <(run_once "${BUILDS[$i]}" "${LABELS[$i]}" "$project")
			solver[$i]="${solver[$i]:-} $s"
			write[$i]="${write[$i]:-} $w"
		done
	done
	for i in "${!BUILDS[@]}"; do
		dir="$WORK/${LABELS[$i]}/$name"
		s="$dir/log/summary.txt"
		unknowns=$(grep -o "Total number of unknowns = '[0-9]*'" "$dir/log/screenlog.txt" | grep -o "[0-9]*")
		moisture=$(grep -q "Moisture balance enabled" "$dir/log/screenlog.txt" && echo yes || echo no)
		same=-
		if [ "$i" -eq 1 ]; then
			same=identical
			for f in "$WORK/current/$name"/results/*; do
				cmp -s "$f" "$dir/results/$(basename "$f")" || same=differ
			done
		fi
		# shellcheck disable=SC2086
		printf "%-20s %-8s %8s %9s %10s %10s %9s %17s %17s %10s\n" "$name" "${LABELS[$i]}" "$unknowns" "$moisture" \
			"$(value IntegratorSteps "$s")" "$(value IntegratorFunctionEvals "$s")" "$(value LESJacEvals "$s")" \
			"$(minmed ${solver[$i]})" "$(minmed ${write[$i]})" "$same"
	done
	if [ ${#BUILDS[@]} -eq 2 ]; then
		# shellcheck disable=SC2086
		awk -v a="$(minmed ${solver[1]})" -v b="$(minmed ${solver[0]})" -v c="$(minmed ${write[1]})" -v d="$(minmed ${write[0]})" \
			-v n="$name" 'BEGIN { split(a, x, " "); split(b, y, " "); split(c, u, " "); split(d, v, " ");
			printf "%-20s base/current: solver %.2f (min) %.2f (median), write %.2f (min) %.2f (median)\n", n,
				x[1]/y[1], x[2]/y[2], (v[1] > 0 ? u[1]/v[1] : 0), (v[2] > 0 ? u[2]/v[2] : 0) }'
	fi
	unset solver write
done
