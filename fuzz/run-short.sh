#!/bin/sh
# The short round `make test` runs: every fuzz target a few seconds over its corpus.
FUZZ_SECONDS=${FUZZ_SECONDS:-3} exec "$(dirname "$0")/fuzz.sh"
