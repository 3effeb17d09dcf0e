# Quendal: set-up, build, run, test, benchmarks.
# Every target installs what is missing first (apt-get, when run as root).

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
PREFIX     ?= /usr/local
# The clock of the screenshots.
SCREENSHOT_NOW ?= 2024-03-15T10:30
# Warnings are errors in every build made here (make test, CI); WERROR=OFF
# for a build that should go on regardless.
WERROR     ?= ON

.PHONY: all deps configure build run install screenshots timing test coverage bench fuzz clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUENDAL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The desktop program on a display; without one the main report of this year.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/quendal; \
	else $(BUILD)/quendal-report main --year $$(date +%Y); echo; \
	echo "No display (DISPLAY, WAYLAND_DISPLAY): on a desktop, 'make run' starts the program $(BUILD)/quendal."; fi

# The programs, the desktop entry and the icon under PREFIX (DESTDIR honoured).
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# docs/screenshots/<dialog>-<de|en>.png, rendered off-screen with a fixed
# clock and no configuration file (the default place).
screenshots: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quendal-screenshots
	@dir=$$(mktemp -d) && cd $$dir && QT_QPA_PLATFORM=offscreen QUENDAL_NOW=$(SCREENSHOT_NOW) LC_ALL= LANG=C.UTF-8 \
	  $(abspath $(BUILD))/quendal-screenshots $(CURDIR)/docs/screenshots >/dev/null; \
	  status=$$?; rm -rf $$dir; exit $$status

# The desktop program's start-up and recomputation times (offscreen, fixed clock).
timing: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quendal-timing >/dev/null
	@dir=$$(mktemp -d) && cd $$dir && QT_QPA_PLATFORM=offscreen QUENDAL_NOW=$(SCREENSHOT_NOW) \
	  $(abspath $(BUILD))/quendal-timing 2>/dev/null; status=$$?; rm -rf $$dir; exit $$status

# Every test; one that runs longer than TEST_TIMEOUT seconds fails.
TEST_TIMEOUT ?= 300
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT)

# Line coverage of the program code (calendar, astro without the generated
# astro/data, almanac, app, reports, cli) by the tests: a separate build in
# build-coverage compiled with --coverage, the tests without the GUI ones
# (and without the check for mutable state, which the coverage counters
# would fail), then gcovr's summary; fails below COVERAGE_MIN percent.
COVERAGE_MIN ?= 95
coverage:
	@sh tools/install-deps.sh gcovr
	@cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DQUENDAL_WERROR=$(WERROR) -DQUENDAL_TSAN=OFF \
	  -DQUENDAL_SANITIZE=OFF -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
	@cmake --build build-coverage -j $(JOBS) >/dev/null
	@find build-coverage -name '*.gcda' -delete
	@cd build-coverage && ctest -j $(JOBS) --timeout 1200 -LE gui -E engine.no_mutable_state --output-on-failure >/dev/null || \
	  { echo "coverage: some tests failed (run make test)"; exit 1; }
	@gcovr -r . build-coverage -j $(JOBS) --exclude-unreachable-branches \
	  -f 'calendar/' -f 'astro/' -e 'astro/data/' -f 'almanac/' -f 'app/' -f 'reports/' -f 'cli/' \
	  --print-summary --fail-under-line $(COVERAGE_MIN) -o build-coverage/coverage.txt

# The benchmarks (optimised: the build type is RelWithDebInfo, -O2) one
# executable after the other; ARGS go to each, e.g.
# make bench ARGS='--benchmark_filter=Report/ --benchmark_format=json'.
bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@status=0; for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] || continue; "$$b" $(ARGS) || status=1; done; exit $$status

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
	rm -rf $(BUILD) build-fuzz build-coverage
