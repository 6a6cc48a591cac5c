# Thin wrapper over CMake. `make play` builds the game and its data alone (no
# tests, no bench) and starts it, `make test` builds everything and runs every
# test headless, `make package` builds the
# Debian package; `make sanitize` runs the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and `make fuzz` runs each fuzz target for
# FUZZ_SECONDS, both in build directories of their own. On a new machine run
# scripts/play.sh or scripts/test.sh instead: they install the missing Debian
# packages (make included) first, play.sh only those building and playing
# need; `make deps` installs all of them and does nothing else.
# Both use $(BUILD): `make play` configures it without the tests and the
# bench, every other target that builds it with them.
# `make build-notests` builds everything but the tests in a directory of its
# own, which shows that the game, tools and bench need nothing from tests/.
# `make web` builds the game for the browser into build-web/ (page, script,
# wasm and data; the data drawn by a native build's tools first), `make
# web-serve` serves it on 127.0.0.1, `make web-test` tests it in headless
# Chromium.

BUILD ?= build
NOTESTS_BUILD ?= $(BUILD)-notests
PACKAGE_BUILD ?= build-package
FUZZ_BUILD ?= build-fuzz
SANITIZE_BUILD ?= build-sanitize
WEB_SITE ?= build-web
WEB_TREE ?= $(WEB_SITE)/.cmake
WEB_PORT ?= 8000
# emcc runs its JavaScript tools with node, which must find Debian's acorn
# even when node is not Debian's own.
export NODE_PATH := $(if $(NODE_PATH),$(NODE_PATH):,)/usr/share/nodejs
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WERROR := $(if $(CI),ON,OFF)

.PHONY: all deps configure build build-notests play test sanitize fuzz bench package package-test web web-data web-serve web-test clean

all: build

deps:
	@sh scripts/setup-deps.sh test

configure:
	cmake -S . -B $(BUILD) -DQUAGMORE_WERROR=$(WERROR) -DQUAGMORE_BUILD_TESTS=ON -DQUAGMORE_BUILD_BENCH=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

build-notests:
	cmake -S . -B $(NOTESTS_BUILD) -DQUAGMORE_WERROR=$(WERROR) -DQUAGMORE_BUILD_TESTS=OFF
	cmake --build $(NOTESTS_BUILD) -j $(JOBS)

play:
	cmake -S . -B $(BUILD) -DQUAGMORE_WERROR=$(WERROR) -DQUAGMORE_BUILD_TESTS=OFF -DQUAGMORE_BUILD_BENCH=OFF
	cmake --build $(BUILD) -j $(JOBS) --target quagmore-play
	$(BUILD)/bin/quagmore

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 600

# Any fault, leak (but the D-Bus library's own) or undefined behaviour fails
# the test it is found in. The tests that open a window load Mesa's GL
# libraries with the game from its start: loaded on demand, they would be
# unloaded when the window closes, before the leak check at exit, and what
# their globals still held would read as the game's leaks. Those tests also
# wait longer for the slower program.
empty :=
space := $(empty) $(empty)
SANITIZE_GL_LIBRARIES ?= $(subst $(space),:,$(strip $(foreach library,dri/swrast_dri.so libEGL_mesa.so.0 libGLX_mesa.so.0,\
	$(firstword $(wildcard /usr/lib/*/$(library))))))
SANITIZE_TIME_SCALE ?= 4

sanitize:
	cmake -S . -B $(SANITIZE_BUILD) -DQUAGMORE_SANITIZE=ON -DQUAGMORE_BUILD_BENCH=OFF -DQUAGMORE_WERROR=$(WERROR)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	QUAGMORE_TEST_GL_LIBRARIES=$(SANITIZE_GL_LIBRARIES) QUAGMORE_TEST_TIME_SCALE=$(SANITIZE_TIME_SCALE) \
	ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) --timeout 900

fuzz:
	JOBS=$(JOBS) sh scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	$(BUILD)/bin/quagmore-bench

# The package gets a build of its own: installed under /usr with the programs
# in /usr/games, built with Debian's compiler and linker flags (all hardening
# on), without tests.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

package:
	cmake -S . -B $(PACKAGE_BUILD) -DQUAGMORE_WERROR=$(WERROR) \
	    -DQUAGMORE_BUILD_TESTS=OFF -DQUAGMORE_BUILD_BENCH=OFF \
	    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
	    "-DCMAKE_CXX_FLAGS=$$($(BUILDFLAGS) CXXFLAGS) $$($(BUILDFLAGS) CPPFLAGS)" \
	    "-DCMAKE_EXE_LINKER_FLAGS=$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack

# Builds the package, checks it with lintian, installs it, tries it and
# removes it again. It changes the system, so it needs root or sudo. Then the
# same for the package `cpack` makes in $(BUILD), built with the default
# prefix, program directory and flags: cpack must make one that passes there
# too.
package-test: package build
	sh tests/package/package_test.sh $(PACKAGE_BUILD)
	rm -f $(BUILD)/quagmore_*.deb
	cd $(BUILD) && cpack
	sh tests/package/package_test.sh $(BUILD)

# The data the page packs: drawn and packed by the native tools.
web-data:
	cmake -S . -B $(BUILD) -DQUAGMORE_WERROR=$(WERROR)
	cmake --build $(BUILD) -j $(JOBS) --target quagmore-assets-data quagmore-levels

web: web-data
	emcmake cmake -S . -B $(WEB_TREE) -DCMAKE_BUILD_TYPE=Release -DQUAGMORE_WERROR=$(WERROR) \
	    -DQUAGMORE_WEB_DATA_DIR=$(CURDIR)/$(BUILD)/share/quagmore -DQUAGMORE_WEB_SITE_DIR=$(CURDIR)/$(WEB_SITE)
	cmake --build $(WEB_TREE) -j $(JOBS)

web-serve: web
	@echo "Quagmore: http://127.0.0.1:$(WEB_PORT)/index.html"
	python3 -m http.server --bind 127.0.0.1 --directory $(WEB_SITE) $(WEB_PORT)

# The browser tests compare the page's picture with the simulator's.
web-test: web
	cmake --build $(BUILD) -j $(JOBS) --target quagmore-sim
	/usr/bin/python3 tests/web/web_test.py $(WEB_SITE) $(BUILD)/bin/quagmore-sim

clean:
	rm -rf $(BUILD) $(NOTESTS_BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD) $(WEB_SITE)
