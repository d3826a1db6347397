# The two commands that matter: `make run` starts Tarnwick, `make test` runs every suite.
# Each installs the Debian packages it needs first (scripts/install-deps.sh).

PRESET ?= default
JOBS ?= $(shell nproc)
SAMPLE ?= samples/Sample-ja.xliff
FUZZ_SECONDS ?= 60
# Set to a number of inputs for a repeatable run (a fixed seed); CI does.
FUZZ_RUNS ?=

.PHONY: all deps configure build run test test-sanitize package check-package macos-app bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@if [ -x build/$(PRESET)/src/app/tarnwick ]; then \
		build/$(PRESET)/src/app/tarnwick $(SAMPLE); \
	elif [ -d build/$(PRESET)/src/app/Tarnwick.app ]; then \
		build/$(PRESET)/src/app/Tarnwick.app/Contents/MacOS/Tarnwick $(SAMPLE); \
	else \
		build/$(PRESET)/src/cli/tarnwick-cli units $(SAMPLE); \
	fi

test: build
	ctest --preset $(PRESET) -j $(JOBS)

# The Debian package, build/$(PRESET)/tarnwick_<version>_<arch>.deb.
package: build
	cmake --build --preset $(PRESET) -j $(JOBS) --target package

# Installs that package as a user would, runs the installed programs and removes it again.
check-package: package
	scripts/check-package.sh build/$(PRESET) $(SAMPLE)

# macOS: build/$(PRESET)/src/app/Tarnwick.app made self-contained, and Tarnwick.dmg beside it.
macos-app: build
	cmake --build --preset $(PRESET) -j $(JOBS) --target macos-app

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test PRESET=sanitize

# Times open, save and the replacement pass against expat's bare parse on generated exports,
# then runs the in-process benchmarks, the translation memory's import and lookups against
# brute force, and the same memory work against translate-toolkit's. BENCH_SIZES picks the
# export sizes (units).
BENCH_SIZES ?= 1000 10000 50000 200000
# The translation memory's benchmark: entries in the generated memories.
MEMORY_BENCH_SIZES ?= 200000 1000000
# The translation memory against translate-toolkit: entries in the generated memories.
MEMORY_PEER_SIZES ?= 20000 200000
bench:
	@scripts/install-deps.sh --bench
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	bench/run.sh build/bench $(BENCH_SIZES)
	build/bench/bench/tarnwick-bench --benchmark_min_time=0.5
	build/bench/bench/tarnwick-workbench-bench --benchmark_min_time=0.5
	build/bench/bench/tarnwick-memory-bench $(MEMORY_BENCH_SIZES)
	bench/memory_peers.sh build/bench $(MEMORY_PEER_SIZES)

# Builds the libFuzzer targets (clang) and runs each for FUZZ_SECONDS seconds.
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS) $(FUZZ_RUNS)

clean:
	rm -rf build
