# Thin wrapper over CMake. `make play` builds and starts the game,
# `make test` builds and runs every test headless. On a new machine run
# scripts/play.sh or scripts/test.sh instead: they install the missing Debian
# packages (make included) first; `make deps` does only that.
# `make build-notests` builds everything but the tests in a directory of its
# own, which shows that the game, tools and bench need nothing from tests/.

BUILD ?= build
NOTESTS_BUILD ?= $(BUILD)-notests
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WERROR := $(if $(CI),ON,OFF)

.PHONY: all deps configure build build-notests play test bench clean

all: build

deps:
	@sh scripts/setup-deps.sh

configure:
	cmake -S . -B $(BUILD) -DQUAGMORE_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

build-notests:
	cmake -S . -B $(NOTESTS_BUILD) -DQUAGMORE_WERROR=$(WERROR) -DQUAGMORE_BUILD_TESTS=OFF
	cmake --build $(NOTESTS_BUILD) -j $(JOBS)

play: build
	$(BUILD)/bin/quagmore

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 600

bench: build
	$(BUILD)/bin/quagmore-bench

clean:
	rm -rf $(BUILD) $(NOTESTS_BUILD)
