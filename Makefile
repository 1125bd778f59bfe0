# Set-up, build, run and test. Every target installs the Debian packages it needs first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# WERROR=ON treats compiler warnings as errors, as CI builds.
WERROR ?= OFF
PROGRAM := $(BUILD_DIR)/vorn-color-numerology

PKGS_BUILD := build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev \
              qt6-qpa-plugins fonts-dejavu-core fonts-crosextra-carlito help2man
# What debian/control's Build-Depends name, and the tools that build and check the package.
PKGS_PACKAGE := $(PKGS_BUILD) debhelper qt6-qpa-plugins desktop-file-utils appstream mandoc \
                poppler-utils xvfb x11-utils lintian devscripts
PKGS_TEST := $(PKGS_PACKAGE) clang-format dpkg-dev file xauth \
             x11vnc dbus-daemon at-spi2-core python3-pyatspi \
             orca speech-dispatcher xdotool openbox python3-pycryptodome
PKGS_RUN := $(PKGS_BUILD) xvfb xauth x11vnc dbus-daemon openbox
PKGS_SCREENSHOTS := $(PKGS_BUILD) xvfb xauth poppler-utils
PKGS_BENCH := $(PKGS_BUILD) libbenchmark-dev valgrind xvfb python3 time
BENCH_DIR ?= build-bench

.PHONY: all build configure run test clean format install package deps-build deps-test deps-run \
        deps-screenshots screenshots deps-bench bench deps-package check-reproducible \
        deps-chroot check-build-in-chroot

all: build

deps-build:
	@scripts/install-deps $(PKGS_BUILD)

deps-test:
	@scripts/install-deps $(PKGS_TEST)

# Every tool a test needs is installed here (deps-test), so a missing one fails its test rather
# than skipping it, and the tests that build and check the Debian package run too.
configure:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DVORN_WERROR=$(WERROR) -DVORN_TEST_TOOLS_REQUIRED=ON \
	    -DVORN_PACKAGING_TESTS=ON >/dev/null

build: deps-build configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

deps-run:
	@scripts/install-deps $(PKGS_RUN)

run: deps-run build
	@scripts/run-program $(PROGRAM)

test: deps-test build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen VORN_PACKAGE_JOBS=$(JOBS) \
	    ctest --output-on-failure --parallel $(JOBS)

deps-screenshots:
	@scripts/install-deps $(PKGS_SCREENSHOTS)

screenshots: deps-screenshots build
	scripts/screenshots $(BUILD_DIR) docs/screenshots

deps-bench:
	@scripts/install-deps $(PKGS_BENCH)

# Benchmarks, not tests: no figure passes or fails. The engine and the catalogue under Google
# Benchmark, then start-up, memory and the first reading against the floor program, offscreen
# and under Xvfb, with instruction counts from callgrind (bench/startup.py), then list runs
# against one process per reading (bench/listrun.py). A few minutes.
bench: deps-bench
	cmake -S . -B $(BENCH_DIR) -G Ninja -DVORN_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) --parallel $(JOBS) --target vorn-color-numerology \
	    vorn_bench_engine vorn_bench_floor vorn_bench_probe
	$(BENCH_DIR)/bench/vorn_bench_engine --benchmark_min_time=0.2
	python3 bench/startup.py --build-dir $(BENCH_DIR) --report $(BENCH_DIR)/bench-results/startup.txt
	python3 bench/listrun.py --build-dir $(BENCH_DIR) --report $(BENCH_DIR)/bench-results/listrun.txt

PREFIX ?= /usr/local

# Installs into PREFIX (DESTDIR is honored, for staging).
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

deps-package:
	@scripts/install-deps $(PKGS_PACKAGE)

# The Debian package (debian/), built by dpkg-buildpackage -us -uc -b from a copy of the tree,
# its tests included; the .deb lands in build/. DEB_BUILD_OPTIONS=nocheck leaves the tests out.
package: deps-package
	DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" scripts/build-package $(BUILD_DIR) -b

# Two package builds in two folders, under umask 022 and 0002 and two time zones, compared byte
# for byte (docs/PACKAGING.md).
check-reproducible: deps-package
	JOBS=$(JOBS) scripts/check-reproducible

deps-chroot:
	@scripts/install-deps debootstrap

# The package built by dpkg-buildpackage, its tests included, in a fresh Debian 12 chroot that
# has only the Build-Depends, with no network during the build; then its autopkgtests there.
check-build-in-chroot: deps-chroot
	scripts/build-in-chroot

# Reliability: every test under AddressSanitizer and UndefinedBehaviorSanitizer (g++), and the
# libFuzzer targets of fuzz/ (clang). See docs/RELIABILITY.md.
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
PKGS_SANITIZE := $(PKGS_TEST)
PKGS_FUZZ := $(PKGS_BUILD) clang libclang-rt-14-dev
# Stop at the first report; leaks are checked (the tests leave none, so nothing is suppressed).
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
                 UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1

.PHONY: deps-sanitize test-sanitize deps-fuzz fuzz-build fuzz fuzz-short

deps-sanitize:
	@scripts/install-deps $(PKGS_SANITIZE)

test-sanitize: deps-sanitize
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DVORN_SANITIZE=ON -DVORN_WERROR=$(WERROR) \
	    -DVORN_TEST_TOOLS_REQUIRED=ON
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
	    ctest --output-on-failure --parallel $(JOBS)

deps-fuzz:
	@scripts/install-deps $(PKGS_FUZZ)

fuzz-build: deps-fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DVORN_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) --parallel $(JOBS) --target vorn_fuzzers

# Each target for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=600); the grown corpus stays in FUZZ_DIR.
fuzz: fuzz-build
	fuzz/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

fuzz-short:
	$(MAKE) fuzz FUZZ_SECONDS=20

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR)

format:
	@scripts/install-deps clang-format
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
