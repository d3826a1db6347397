# The two commands that matter: `make run` starts Tarnwick, `make test` runs every suite.
# Each installs the Debian packages it needs first (scripts/install-deps.sh).

PRESET ?= default
JOBS ?= $(shell nproc)
SAMPLE ?= samples/Sample-ja.xliff
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test test-sanitize bench fuzz clean

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
	else \
		build/$(PRESET)/src/cli/tarnwick-cli units $(SAMPLE); \
	fi

test: build
	ctest --preset $(PRESET) -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test PRESET=sanitize

# Builds the libFuzzer targets (clang) and runs each for FUZZ_SECONDS seconds.
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf build
