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

.PHONY: all deps test-deps configure build run install package screenshots timing test sanitize-build coverage bench fuzz memcheck format lint clean

all: build

deps:
	@sh tools/install-deps.sh

# What only the tests need: the font sets the print tests run under (their
# fonts.conf files are written by CMakeLists.txt); the package test's
# dpkg-shlibdeps (CPack) and groff; Python with its JSON Schema validator for
# the JSON examples, jq for the README's.
TEST_PKGS = fonts-dejavu-core fonts-noto-mono fonts-urw-base35 fonts-liberation2 dpkg-dev groff-base \
  python3 python3-jsonschema jq
test-deps:
	@sh tools/install-deps.sh $(TEST_PKGS)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUENDAL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The desktop program on a display; without one the main report of this year.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/quendal; \
	else $(BUILD)/quendal-report main --year $$(date +%Y); echo; \
	echo "No display (DISPLAY, WAYLAND_DISPLAY): on a desktop, 'make run' starts the program $(BUILD)/quendal."; fi

# The programs, the desktop entry, the icons, the AppStream entry, the manual
# pages and the bash completion under PREFIX (DESTDIR honoured).
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package build/package/quendal_<version>_<arch>.deb (CPack), checked
# with lintian (no error, no warning), desktop-file-validate and appstreamcli.
PACKAGE_TOOLS = dpkg-dev fakeroot lintian desktop-file-utils appstream
package: build
	@sh tools/install-deps.sh $(PACKAGE_TOOLS)
	@rm -f $(BUILD)/package/*.deb
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@sh packaging/check.sh $(BUILD)/package/*.deb

# docs/screenshots/<dialog>-<de|en>.png and <name>-dark-<de|en>.png, the same
# on every machine: rendered off-screen with a fixed clock, in an empty
# directory that is also the home (no configuration file, so the default
# place; no desktop settings), with nothing of the caller's environment but
# PATH, and with the fonts of tests/fonts/screenshots.conf (fonts-dejavu-core).
SCREENSHOT_ENV = \
  QT_QPA_PLATFORM=offscreen \
  QUENDAL_NOW=$(SCREENSHOT_NOW) \
  LANG=C.UTF-8 \
  TZ=UTC \
  FONTCONFIG_FILE=$(CURDIR)/tests/fonts/screenshots.conf
screenshots: configure
	@sh tools/install-deps.sh fonts-dejavu-core
	@cmake --build $(BUILD) -j $(JOBS) --target quendal-screenshots
	@dir=$$(mktemp -d) && cd $$dir && env -i PATH="$$PATH" HOME=$$dir XDG_CONFIG_HOME=$$dir/.config \
	  XDG_CACHE_HOME=$$dir/.cache XDG_RUNTIME_DIR=$$dir $(SCREENSHOT_ENV) \
	  $(abspath $(BUILD))/quendal-screenshots $(CURDIR)/docs/screenshots >/dev/null; \
	  status=$$?; rm -rf $$dir; exit $$status

# The desktop program's start-up and recomputation times (offscreen, fixed clock).
timing: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quendal-timing >/dev/null
	@dir=$$(mktemp -d) && cd $$dir && QT_QPA_PLATFORM=offscreen QUENDAL_NOW=$(SCREENSHOT_NOW) \
	  $(abspath $(BUILD))/quendal-timing 2>/dev/null; status=$$?; rm -rf $$dir; exit $$status

# The sanitizer build: the same libraries, programs and tests once more in
# build-sanitize, compiled with AddressSanitizer and UndefinedBehaviorSanitizer
# at -O1 (QUENDAL_ASAN); the slow sweeps are left out there.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0
sanitize-build: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUENDAL_WERROR=$(WERROR) -DQUENDAL_ASAN=ON \
	  -DQUENDAL_TSAN=OFF >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# Every test, in the normal build and in the sanitizer build; one that runs
# longer than TEST_TIMEOUT seconds fails.
TEST_TIMEOUT ?= 300
test: test-deps build sanitize-build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT)
	@echo "---- the same tests under AddressSanitizer and UndefinedBehaviorSanitizer ($(SANITIZE_BUILD))"
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT)

# Line coverage of the program code (calendar, astro without the generated
# astro/data, almanac, app, reports, cli) by the tests: a separate build in
# build-coverage compiled with --coverage, the tests without the GUI ones
# (and without the check for mutable state, which the coverage counters
# would fail), then gcovr's summary; fails below COVERAGE_MIN percent.
COVERAGE_MIN ?= 95
coverage:
	@sh tools/install-deps.sh gcovr $(TEST_PKGS)
	@cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DQUENDAL_WERROR=$(WERROR) -DQUENDAL_TSAN=OFF \
	  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
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

# The fuzz targets under libFuzzer (clang++, AddressSanitizer and
# UndefinedBehaviorSanitizer), each for FUZZ_SECONDS seconds in turn, at most
# FUZZ_TIMEOUT seconds per input (a command line FUZZ_CLI_TIMEOUT): the
# configuration reader, quendal-report's command line and the reports. New inputs collect in build-fuzz/corpus/<target>,
# the seeds are fuzz/corpus/<target>; a failing input is written to
# build-fuzz/<target>-crash-... (keep it under fuzz/corpus/<target>/, where
# make test replays it).
FUZZ_TARGETS ?= configuration cli reports
FUZZ_TIMEOUT ?= 1
# A command line may ask for half a million lines (events over 9,900 years):
# seconds, not a hang.
FUZZ_CLI_TIMEOUT ?= 15
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DQUENDAL_FUZZ=ON -DQUENDAL_TSAN=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t; \
	  dict=; [ -f fuzz/$$t.dict ] && dict=-dict=fuzz/$$t.dict; \
	  quiet=; timeout=$(FUZZ_TIMEOUT); \
	  [ $$t = cli ] && quiet=-close_fd_mask=2 timeout=$(FUZZ_CLI_TIMEOUT); \
	  echo "---- fuzz_$$t, $(FUZZ_SECONDS) s"; \
	  build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=$$timeout -max_len=8192 \
	    $$quiet $$dict -artifact_prefix=build-fuzz/$$t- build-fuzz/corpus/$$t fuzz/corpus/$$t \
	    || exit 1; \
	done

# valgrind memcheck over one run of every quendal-report subcommand: no
# error, no leak.
memcheck: build
	@sh tools/install-deps.sh valgrind
	@sh tools/memcheck.sh $(BUILD)/quendal-report

# Every source in the project's style (.clang-format); the generated tables
# of astro/data/ stay as their generator writes them.
format:
	@git ls-files '*.cpp' '*.h' | grep -v '^astro/data/' | xargs clang-format -i

# clang-tidy over the program's sources (.clang-tidy, ui/.clang-tidy; the
# generated astro/data/ left out), from the compile commands of a
# configuration of its own in build-lint; any finding fails.
LINT_BUILD ?= build-lint
lint: deps
	@sh tools/install-deps.sh clang-tidy
	@cmake -S . -B $(LINT_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUENDAL_TSAN=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
	@run-clang-tidy -p $(LINT_BUILD) -j $(JOBS) -quiet \
	  '^$(CURDIR)/(calendar|astro|almanac|app|reports|cli|ui)/(?!data/).*\.cpp$$' >$(LINT_BUILD)/lint.log 2>&1; \
	  status=$$?; grep -E 'warning:|error:' $(LINT_BUILD)/lint.log | sort -u; \
	  [ $$status = 0 ] && echo "lint: clean" || { echo "lint: findings above (whole output: $(LINT_BUILD)/lint.log)"; exit 1; }

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz build-coverage build-lint
