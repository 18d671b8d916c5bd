# The two commands of the project: `make run` and `make test`.
SHELL := /bin/bash
BUILD   ?= build
PRESET  ?= default
JOBS    ?= $(shell nproc)

.PHONY: run test build deps bench asan fuzz windows-check package clean

run: deps build
	$(BUILD)/bin/vantorelle

test: deps build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

build:
	@[ -f $(BUILD)/build.ninja ] || cmake --preset $(PRESET)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@scripts/install-deps

# Build and run the tests with AddressSanitizer and UBSan.
asan: deps
	@[ -f build-asan/build.ninja ] || cmake --preset asan
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The fuzz targets of the file parsers, each run for FUZZ_SECONDS from the
# committed seeds (new inputs go to a scratch folder, not into the seeds).
FUZZ_SECONDS ?= 10
fuzz: deps
	@[ -f build-fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build build-fuzz -j $(JOBS)
	@for t in career history roster messages frames aimtable; do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  build-fuzz/bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build-fuzz/corpus/$$t fuzz/corpus/$$t 2>&1 | grep -E 'stat::number_of_executed_units|ERROR|BINGO' ; \
	  test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done

# The rules, the disk adapter and their unit tests built for Windows with
# MinGW-w64 and run under Wine (no Qt, no Windows machine).
windows-check:
	@scripts/install-deps windows
	@[ -f build-windows/build.ninja ] || cmake --preset windows
	cmake --build build-windows -j $(JOBS)
	ctest --test-dir build-windows -V

# The Debian package of the game (build/vantorelle_*.deb).
package: deps build
	cd $(BUILD) && cpack

bench: deps build
	$(BUILD)/bin/vantorelle_bench

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-windows
