# The front door: `make run` sets everything up and starts the program;
# `make test` sets everything up and runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local

.PHONY: all deps configure build build-app run install deb web test test-core test-web test-long test-asan bench clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARROWIN_TESTS=ON -DTARROWIN_BENCH=ON > $(BUILD_DIR).configure.log 2>&1 || \
	  { cat $(BUILD_DIR).configure.log; exit 1; }

build: configure
	@$(MAKE) --no-print-directory -C $(BUILD_DIR) -j$(JOBS)

# Only what the window program needs, not the tests and benchmarks.
build-app: configure
	@$(MAKE) --no-print-directory -C $(BUILD_DIR) -j$(JOBS) tarrowin

# Checked before anything is built: without a display Qt would abort at start-up.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: Tarrowin needs a desktop session (DISPLAY or WAYLAND_DISPLAY); run it from a terminal on the desktop, or with no screen: xvfb-run -a -s '-screen 0 1920x1080x24' make run" >&2; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build-app
	@exec $(BUILD_DIR)/app/tarrowin $(ARGS)

# PREFIX=/usr/local by default (needs root); DESTDIR=... stages for packaging.
install: configure
	@$(MAKE) --no-print-directory -C $(BUILD_DIR) -j$(JOBS) tarrowin tarrowin-sim
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, built by debhelper from debian/ and checked by lintian;
# it lands in $(BUILD_DIR)/deb.
deb: deps
	@JOBS=$(JOBS) ./scripts/build-deb.sh $(BUILD_DIR)/deb

# The browser edition in $(BUILD_DIR)/web: index.html and what it loads,
# tarrowin.html (the whole edition in one file) and tarrowin-sim.js.
web:
	@JOBS=$(JOBS) ./web/build.sh $(BUILD_DIR)/web

# Each check once: the core's own tests in the build without Qt (test-core),
# everything else in the desktop build but the long checks (test-long).
test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE '^(core|long)$$'
	@$(MAKE) --no-print-directory test-core
	@if command -v emcc >/dev/null 2>&1 && command -v chromium >/dev/null 2>&1; then \
	  $(MAKE) --no-print-directory test-web; \
	else \
	  echo "make test: the browser edition is not tested: it needs emscripten and chromium (scripts/install-deps.sh --web)"; \
	fi

# The browser edition against the desktop build: the runner's output byte
# for byte, and the page driven in headless Chromium.
test-web: web
	@cd web && TARROWIN_BUILD=$${TARROWIN_BUILD:-$(CURDIR)/$(BUILD_DIR)} TARROWIN_WEB=$(CURDIR)/$(BUILD_DIR)/web \
	  node --test tests/*.test.mjs

# The core alone, configured as if Qt were not installed: it must build and
# pass its own tests without any Qt header. The runner's checks against the
# reference model run in the desktop build, on the same code.
CORE_DIR ?= build-core
test-core: deps
	@cmake -S . -B $(CORE_DIR) -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=TRUE -DTARROWIN_MODEL_CHECKS=OFF > $(CORE_DIR).configure.log 2>&1 || \
	  { cat $(CORE_DIR).configure.log; exit 1; }
	@$(MAKE) --no-print-directory -C $(CORE_DIR) -j$(JOBS)
	@cd $(CORE_DIR) && ctest --output-on-failure -j$(JOBS)

# The checks that take minutes each: the Debian package built and checked by
# lintian, and three long runs against the reference model. CI runs them.
test-long: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -L '^long$$'

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any leak, overflow or undefined behaviour fails the run.
ASAN_DIR ?= build-asan
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARROWIN_SANITIZE=ON -DTARROWIN_TESTS=ON -DTARROWIN_BENCH=OFF > $(ASAN_DIR).configure.log 2>&1 || \
	  { cat $(ASAN_DIR).configure.log; exit 1; }
	@$(MAKE) --no-print-directory -C $(ASAN_DIR) -j$(JOBS)
	@cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j$(JOBS)

bench: build
	@$(BUILD_DIR)/bench/tarrowin_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	@rm -rf $(BUILD_DIR) $(BUILD_DIR).configure.log $(ASAN_DIR) $(ASAN_DIR).configure.log $(CORE_DIR) $(CORE_DIR).configure.log web/node_modules
