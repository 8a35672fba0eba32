#!/bin/bash
# Wall time of a long heat-rod run (one simulated year) per linear solver.
# Usage: bench/rodsim/bench_rodsim.sh [build-dir]   (default: build/release; rodsim must be built)
# Not part of the test suite: figures depend on the machine and its load.
set -euo pipefail

BUILD_DIR=${1:-build/release}
RODSIM="$BUILD_DIR/bin/rodsim"
if [ ! -x "$RODSIM" ]; then
	echo "rodsim not found at $RODSIM (build it first: cmake --build $BUILD_DIR --target rodsim)" >&2
	exit 1
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

value() { grep "^$1=" "$2" | cut -d= -f2; }

printf "%-32s %-6s %10s %10s %12s %12s\n" "case" "LES" "steps" "rhs evals" "jac evals" "wall [s]"
run_case() {
	local name=$1 les=$2; shift 2
	local dir="$WORK/$name-$les"
	mkdir -p "$dir"
	"$RODSIM" --les="$les" --end-time=31536000 --log-dir="$dir" "$@" > "$dir/out.txt" 2>&1
	local s="$dir/summary.txt"
	printf "%-32s %-6s %10s %10s %12s %12.4f\n" "$name" "$les" "$(value IntegratorSteps "$s")" \
		"$(value IntegratorFunctionEvals "$s")" "$(value LESJacEvals "$s")" "$(value WallClockTime "$s")"
}

for les in KLU Band Dense; do
	run_case "rod 500 nodes, 1 year" "$les" --nodes=500
done
for les in KLU Band; do
	run_case "rod 2000 nodes, 1 year" "$les" --nodes=2000
	run_case "rod 500x2 unknowns, 1 year" "$les" --nodes=500 --two-unknowns
done

# the other integrator, block-tridiagonal and Krylov solvers (LES column: solver+preconditioner)
run_case_combo() {
	local name=$1 label=$2; shift 2
	local dir="$WORK/$name-$label"
	mkdir -p "$dir"
	"$RODSIM" --end-time=31536000 --log-dir="$dir" "$@" > "$dir/out.txt" 2>&1
	local s="$dir/summary.txt"
	local jac; jac=$(value LESJacEvals "$s" || true)
	[ -z "$jac" ] && jac="$(value LESLinearIters "$s")it"
	printf "%-32s %-14s %10s %10s %12s %12.4f\n" "$name" "$label" "$(value IntegratorSteps "$s")" \
		"$(value IntegratorFunctionEvals "$s")" "$jac" "$(value WallClockTime "$s")"
}
echo
printf "%-32s %-14s %10s %10s %12s %12s\n" "case" "LES" "steps" "rhs evals" "jac/lin its" "wall [s]"
for args in "--les=KLU" "--les=BTridiag" "--les=GMRES" "--les=GMRES --precond=ILU" "--les=GMRES --precond=Band" \
		"--les=GMRES --precond=Band --precond-mu=2" "--les=BiCGStab" "--les=BiCGStab --precond=ILU" "--les=BiCGStab --precond=Band"; do
	label=$(echo "$args" | sed -e 's/--les=//' -e 's/ --precond=/+/' -e 's/ --precond-mu=2/(SUN)/')
	run_case_combo "CVODE rod 500 nodes, 1 year" "$label" --nodes=500 $args
	run_case_combo "CVODE rod 500x2, 1 year" "$label" --nodes=500 --two-unknowns $args
done
for args in "--les=Band" "--les=BTridiag" "--les=GMRES" "--les=GMRES --precond=ILU" "--les=GMRES --precond=Band"; do
	label=$(echo "$args" | sed -e 's/--les=//' -e 's/ --precond=/+/')
	run_case_combo "ImplEuler rod 500 nodes, 1 year" "$label" --integrator=ImplicitEuler --nodes=500 $args
	run_case_combo "ImplEuler rod 500x2, 1 year" "$label" --integrator=ImplicitEuler --nodes=500 --two-unknowns $args
done
