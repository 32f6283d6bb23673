#!/usr/bin/env bash
# Builds everything and runs every test: unit and contract tests natively against the sim (with
# the fuzz targets' saved inputs), a short fuzzing run of each parser, then the contract and
# end-to-end tests of the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset native
cmake --build --preset native -j"$(nproc)"
ctest --preset native -j"$(nproc)"

# A minute of fuzzing per parser of outside input: a new crash turns the run red.
bash scripts/fuzz.sh 60

cmake --preset windows
cmake --build --preset windows -j"$(nproc)"
ctest --preset windows
