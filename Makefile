# The front door: `make test` sets everything up and runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test bench clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARROWIN_TESTS=ON -DTARROWIN_BENCH=ON > $(BUILD_DIR).configure.log 2>&1 || \
	  { cat $(BUILD_DIR).configure.log; exit 1; }

build: configure
	@$(MAKE) --no-print-directory -C $(BUILD_DIR) -j$(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	@$(BUILD_DIR)/bench/tarrowin_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	@rm -rf $(BUILD_DIR) $(BUILD_DIR).configure.log
