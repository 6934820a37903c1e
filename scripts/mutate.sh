#!/usr/bin/env bash
# A mutation run (slow, not part of CI): how many small faults in src/ the tests notice. Each mutant
# (one line changed, see scripts/mutate.py) goes into a private copy of the tree under
# build-mutate/, is built incrementally and put through the whole suite, and is taken out again.
#
#   scripts/mutate.sh [--seed N] [--count N]  draws in the seed's order until N mutants compile
#                                             (25 and 150 unless given)
#   scripts/mutate.sh --ids REPORT            runs the mutants an earlier report lists, again
#   --timeout SECONDS  the suite's limit per mutant, beyond which the mutant counts as killed
#                      (four times the unmutated suite's time and 60 s more unless given)
#   --report FILE      where the report goes (build-mutate/report.txt unless given)
set -euo pipefail
seed=25 count=150 ids="" limit="" report=""
while [ $# -gt 0 ]; do
  case "$1" in
    --seed) seed=$2 ;;
    --count) count=$2 ;;
    --ids) ids=$(realpath "$2") ;;
    --timeout) limit=$2 ;;
    --report) report=$(realpath -m "$2") ;;
    *) sed -n '6,11p' "$0" >&2; exit 2 ;;
  esac
  shift 2
done
cd "$(dirname "$0")/.."
root=$PWD work=$PWD/build-mutate
tree=$work/tree build=$work/build log=$work/last results=$work/results.tsv
report=${report:-$work/report.txt}

scripts/setup.sh --packages-only
scripts/install-missing.sh python3 rsync ninja-build
py=/usr/bin/python3

# Only files that differ are copied, each with a fresh time, so the build sees every change.
mkdir -p "$tree"
rsync -rlp --checksum --delete --exclude=/.git --exclude='/build*' "$root/" "$tree/"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  # The copy's folder is not hashed, so a copy in another worktree finds the same mutants compiled.
  export CCACHE_NOHASHDIR=1
fi
# A getter mutated to return a reference to a temporary would only crash by chance: it does not
# compile here.
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS=-Werror=return-local-addr -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  "${launcher[@]}" >/dev/null
mapfile -t targets < <(cmake --build "$build" --target help |
  sed -n 's/^\(test_[a-z_]*\): phony$/\1/p')
targets+=(morvellan-newdb)

export QT_QPA_PLATFORM=offscreen
build_tests() { cmake --build "$build" -j 4 --target "${targets[@]}" >"$log.build" 2>&1; }
# timeout signals ctest's whole process group: no test program is left running.
run_suite() {
  (cd "$build" && timeout -k 10 "$1" ctest -j 4 --timeout "$1" "${@:2}" >"$log.suite" 2>&1)
}
# Nothing when the time limit stopped the suite before it named a failed test.
first_failure() {
  grep -m1 -F '***' "$log.suite" | sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/' || true
}

# A mutant's result means something only if the same copy without it builds and passes.
check_unmutated() {
  if ! build_tests; then
    tail -n 30 "$log.build"
    echo "mutate: the unmutated copy does not build." >&2
    exit 1
  fi
  local start=$SECONDS
  if ! run_suite 1800; then
    grep -F '***' "$log.suite" >&2 || tail -n 30 "$log.suite" >&2
    echo "mutate: the unmutated copy fails the tests $1; no mutant is judged." >&2
    exit 1
  fi
  base=$((SECONDS - start))
}

# A mutant whose object code is the unmutated file's is equivalent: no test could kill it. Object
# files are compared without their debug information, which records columns.
save_objects() {
  "$py" scripts/mutate.py objects "$tree" "$build" >"$work/objects.tsv"
  rm -rf "$work/objects" && mkdir -p "$work/objects"
  while IFS=$'\t' read -r _ obj; do
    objcopy --strip-debug "$obj" "$work/objects/${obj//\//_}"
  done <"$work/objects.tsv"
}
same_code() {
  local source obj found=""
  while IFS=$'\t' read -r source obj; do
    [ "$source" = "$1" ] || continue
    found=1
    objcopy --strip-debug "$obj" "$work/mutant.o"
    cmp -s "$work/mutant.o" "$work/objects/${obj//\//_}" || return 1
  done <"$work/objects.tsv"
  [ -n "$found" ]
}

applied=""
restore() {
  if [ -n "$applied" ]; then
    cp "$work/pristine" "$tree/$applied" # a fresh time: the next build compiles it again
    applied=""
  fi
}
trap restore EXIT

echo "Building the copy in $build and running the tests on it unmutated..."
check_unmutated "before the run"
base_before=$base limit=${limit:-$((4 * base + 60))}
save_objects
if [ -n "$ids" ]; then
  mapfile -t order < <(awk '$1 ~ /^src\/.*:[0-9]+:[0-9]+:[a-z0-9-]+$/ { print $1 }' "$ids")
  wanted="the ${#order[@]} mutants of $ids"
else
  mapfile -t order < <("$py" scripts/mutate.py sample "$tree" --seed "$seed")
  wanted="drawn with seed $seed until $count compile"
fi
echo "Unmutated suite: ${base} s; limit per mutant: ${limit} s. Mutants: $wanted."

: >"$results"
compiled=0 n=0 started=$SECONDS
for id in "${order[@]}"; do
  [ -n "$ids" ] || [ "$compiled" -lt "$count" ] || break
  n=$((n + 1)) file=${id%%:*} note="-" build_s=0 suite_s=0 t=$SECONDS
  cp "$tree/$file" "$work/pristine" 2>/dev/null || true
  if ! "$py" scripts/mutate.py apply "$tree" "$id" >"$log.apply" 2>&1; then
    status=missing
  else
    applied=$file
    if build_tests; then
      compiled=$((compiled + 1)) build_s=$((SECONDS - t)) t=$SECONDS
      if same_code "$file"; then
        status=equivalent
      elif run_suite "$limit" --stop-on-failure; then
        status=survived
      else
        rc=$? status=killed note=$(first_failure)
        if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ] || grep -qF '***Timeout' "$log.suite"; then
          note="time limit"
        fi
      fi
      suite_s=$((SECONDS - t))
    elif grep -qE '^FAILED: .*\.o\b' "$log.build"; then
      status="not compiled" build_s=$((SECONDS - t))
    elif grep -qF 'Error running test executable' "$log.build"; then
      # The build runs each test program to list its tests; this one failed on start.
      status=killed note="listing the tests" build_s=$((SECONDS - t))
    else
      tail -n 30 "$log.build"
      echo "mutate: the build failed, neither compiling nor listing the tests; stopped." >&2
      exit 1
    fi
    restore
    if ! cmp -s "$work/pristine" "$tree/$file"; then
      echo "mutate: $file was not restored." >&2
      exit 1
    fi
  fi
  printf '%s\t%s\t%s\t%s\t%s\n' "$id" "$status" "$build_s" "$suite_s" "$note" >>"$results"
  printf '%4d %-13s %s\n' "$n" "$status" "$(cat "$log.apply")"
  # A test stopped by the time limit may leave something behind that fails the next mutant.
  [ "$note" != "time limit" ] || check_unmutated "after a mutant hit the time limit"
done
total=$((SECONDS - started))
check_unmutated "after the run"

{
  changed=$(git diff --quiet HEAD -- src || echo ", src/ changed")
  echo "Mutation run of $(git rev-parse --short HEAD)$changed"
  echo "Mutants: $wanted; $n run, $compiled compiled."
  echo "Unmutated suite: ${base_before} s before the run, ${base} s after."
  echo "Limit per mutant: ${limit} s. The run took $((total / 60)) min."
  echo
  "$py" scripts/mutate.py report "$tree" "$results"
} | tee "$report"
echo "Report: $report"
