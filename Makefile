# Front door of the project. `make test` and `make run` are the whole set-up on a fresh Debian 12.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz`; `make test` gives each 3.
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps build test test-main test-asan test-fuzz fuzz fuzz-build run bench package screenshots format format-check clean

all: build

deps:
	@bash scripts/setup-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

# The format check comes first (it takes a second), then both test builds, then every fuzz
# target for a few seconds on its corpus.
test: format-check
	@$(MAKE) --no-print-directory test-main test-asan test-fuzz

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUILLON_WERROR=ON \
	      -DQUILLON_SANITIZE=ON -DQUILLON_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The fuzz targets in their own clang build; every library in it carries the fuzzer's coverage.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_WERROR=ON \
	      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUILLON_FUZZ=ON -DQUILLON_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target quillon_fuzzers

test-fuzz: fuzz-build
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) 3

# `make fuzz FUZZ_SECONDS=600` is the long run.
fuzz: fuzz-build
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

run:
	@bash scripts/setup-deps.sh --run
	@$(MAKE) --no-print-directory build
	@bash scripts/run-class.sh $(BUILD)

# The Debian package of the build tree, in $(BUILD)/.
package: build
	cmake --build $(BUILD) --target package

screenshots:
	@bash scripts/setup-deps.sh --screenshots
	@$(MAKE) --no-print-directory build
	@bash scripts/take-screenshots.sh $(BUILD)

bench: build
	$(BUILD)/bench/quillon-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming file and line, on any tracked source that `make format` would change.
format-check: deps
	@git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run -Werror
	@echo "Every tracked .cpp and .h file is formatted."

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
