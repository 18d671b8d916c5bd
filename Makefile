# The two commands of the project: `make run` and `make test`.
BUILD   ?= build
PRESET  ?= default
JOBS    ?= $(shell nproc)

.PHONY: run test build deps bench asan clean

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

bench: deps build
	$(BUILD)/bin/vantorelle_bench

clean:
	rm -rf $(BUILD) build-asan
