#!/bin/sh
# Builds the fuzz targets with clang's sanitizers (in build-fuzz unless FUZZ_BUILD_DIR says
# otherwise) and runs each for FUZZ_SECONDS over its corpus. New inputs go to a scratch folder,
# not into the tree; the run fails when a target crashes, leaks or trips a check.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=${FUZZ_BUILD_DIR:-$top/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-$(nproc)}

# libclang_rt.fuzzer comes with libclang-rt-14-dev on Debian 12.
missing=$(for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}\n' $p 2>/dev/null | grep -q '^install ok installed' || echo $p
done)
if [ -n "$missing" ]; then
    sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

[ -f "$build/build.ninja" ] || cmake -S "$top" -B "$build" -G Ninja -DSTOWLY_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build "$build" -j "$jobs"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/stowly-fuzz-run-XXXXXX")
failed=
for target in "$build"/bin/*_fuzzer; do
    name=$(basename "$target" _fuzzer)
    mkdir -p "$scratch/$name/new"
    # The first folder takes what the run finds; the corpus is only read, and every input in
    # it is run first, so a kept crash shows again.
    if "$target" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=3072 -print_final_stats=1 \
        -artifact_prefix="$scratch/$name/" "$scratch/$name/new" "$here/corpus/$name" \
        >"$scratch/$name/log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$name/log")
        cov=$(grep -o 'cov: [0-9]*' "$scratch/$name/log" | tail -n 1)
        echo "fuzz $name: $runs runs, $cov"
    else
        failed="$failed $name"
        tail -n 40 "$scratch/$name/log"
        echo "fuzz $name: FAILED; the input and log are in $scratch/$name/"
    fi
done
if [ -n "$failed" ]; then
    echo "fuzz targets that failed:$failed"
    exit 1
fi
rm -rf "$scratch"
