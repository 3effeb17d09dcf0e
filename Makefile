# Quendal: set-up, build, run, test, benchmarks.
# Every target installs what is missing first (apt-get, when run as root).

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
# Warnings are errors in every build made here (make test, CI); WERROR=OFF
# for a build that should go on regardless.
WERROR     ?= ON

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUENDAL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/quendal ]; then $(BUILD)/quendal; \
	else $(BUILD)/quendal-report main --year $$(date +%Y); fi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# The configuration reader under libFuzzer (clang++), for FUZZ_SECONDS seconds;
# new inputs collect in build-fuzz/corpus, the seeds are fuzz/corpus.
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUENDAL_FUZZ=ON -DQUENDAL_SANITIZE=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_configuration
	@mkdir -p build-fuzz/corpus
	build-fuzz/fuzz_configuration -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus

clean:
	rm -rf $(BUILD) build-fuzz
