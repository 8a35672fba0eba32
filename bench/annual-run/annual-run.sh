#!/bin/bash
# Wall time of the year simulation of every bundled example project, with the number of
# unknowns and the integrator statistics. Run it on a Release build:
#   bench/annual-run/annual-run.sh [build-dir]   (default: build/release; caldoryne-cli must be built)
# Not part of the test suite: figures depend on the machine and its load.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=${1:-$ROOT/build/release}
CLI="$BUILD_DIR/bin/caldoryne-cli"
if [ ! -x "$CLI" ]; then
	echo "caldoryne-cli not found at $CLI (build it first: cmake --build $BUILD_DIR --target caldoryne-cli)" >&2
	exit 1
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# a private home keeps the user's program log and databases untouched
export HOME="$WORK/home"

value() { grep "^$1=" "$2" | cut -d= -f2; }

printf "%-28s %8s %9s %10s %10s %10s %10s %10s\n" "example" "unknowns" "moisture" "steps" "rhs evals" "jac evals" "solver [s]" "total [s]"
for project in "$ROOT"/resources/examples/*.rmxml; do
	name=$(basename "$project" .rmxml)
	dir="$WORK/$name"
	start=$(date +%s.%N)
	if ! "$CLI" --user-db="$WORK/userdb" run "$project" --output="$dir" --no-results > "$WORK/$name.out" 2>&1; then
		echo "$name: run failed" >&2
		cat "$WORK/$name.out" >&2
		continue
	fi
	end=$(date +%s.%N)
	s="$dir/log/summary.txt"
	unknowns=$(grep -o "Total number of unknowns = '[0-9]*'" "$dir/log/screenlog.txt" | grep -o "[0-9]*")
	moisture=$(grep -q "Moisture balance enabled" "$dir/log/screenlog.txt" && echo yes || echo no)
	printf "%-28s %8s %9s %10s %10s %10s %10.3f %10.3f\n" "$name" "$unknowns" "$moisture" \
		"$(value IntegratorSteps "$s")" "$(value IntegratorFunctionEvals "$s")" "$(value LESJacEvals "$s")" \
		"$(value WallClockTime "$s")" "$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')"
done
