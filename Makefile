# Thin wrapper over CMake. `make play` builds and starts the game,
# `make test` builds and runs every test headless; `make sanitize` runs them
# under AddressSanitizer and UndefinedBehaviorSanitizer, and `make fuzz` runs
# each fuzz target for FUZZ_SECONDS, both in build directories of their own.
# On a new machine run scripts/play.sh or scripts/test.sh instead: they install
# the missing Debian packages (make included) first; `make deps` does only that.

BUILD ?= build
FUZZ_BUILD ?= build-fuzz
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WERROR := $(if $(CI),ON,OFF)

.PHONY: all deps configure build play test sanitize fuzz bench clean

all: build

deps:
	@sh scripts/setup-deps.sh

configure:
	cmake -S . -B $(BUILD) -DQUAGMORE_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/bin/quagmore

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 600

# Any fault, leak (but the D-Bus library's own) or undefined behaviour fails the test it is found in.
sanitize:
	cmake -S . -B $(SANITIZE_BUILD) -DQUAGMORE_SANITIZE=ON -DQUAGMORE_BUILD_BENCH=OFF -DQUAGMORE_WERROR=$(WERROR)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) --timeout 900

fuzz:
	JOBS=$(JOBS) sh scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bin/quagmore-bench

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
