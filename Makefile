# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Hushvault: `make run` installs, builds and starts; `make test` installs, builds and tests.
GENERATOR := -G Ninja
JOBS ?= $(shell nproc)

.PHONY: all deps build fuzz-build test fuzz bench run screenshots store-screenshots images web deb format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B build/release $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHV_BUILD_TESTS=OFF >/dev/null
	@cmake --build build/release -j $(JOBS)

# The fuzz targets (tests/fuzz): clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
FUZZ_SECONDS ?= 60
fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B build/fuzz $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DHV_FUZZ=ON -DHV_BUILD_TESTS=OFF -DHV_BUILD_WEB=OFF >/dev/null
	@cmake --build build/fuzz -j $(JOBS) --target hv_fuzz

# Every fuzz target for FUZZ_SECONDS each; the corpora grow in build/fuzz/work.
fuzz: fuzz-build
	@tests/fuzz/run-fuzzers.sh build/fuzz/tests/fuzz $(FUZZ_SECONDS) build/fuzz/work

# The test build runs under AddressSanitizer and UndefinedBehaviorSanitizer; it runs each
# fuzz target for a moment too. Line tables (-g1) are all the sanitizers' reports need.
test: deps fuzz-build
	@cmake -S . -B build/test $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
		-DHV_SANITIZE=ON -DHV_FUZZ_BINARIES=$(CURDIR)/build/fuzz/tests/fuzz >/dev/null
	@cmake --build build/test -j $(JOBS)
	@cd build/test && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build/bench $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DHV_BUILD_TESTS=OFF -DHV_BUILD_BENCH=ON -DHV_BUILD_WEB=OFF >/dev/null
	@cmake --build build/bench -j $(JOBS)
	@for b in hv_bench_crypto hv_bench_store hv_bench_reader hv_bench_addressbook hv_bench_contacts hv_bench_records hv_bench_startup hv_bench_backup; do echo "== $$b"; build/bench/bench/$$b || exit 1; done

run: build
	@build/release/src/app/hushvault

# Every screen in every language at every size in SIZES (points), headless, into
# build/screenshots/<size>/<screen>-<language>.png; SCALE draws them at that many pixels a point.
SIZES ?= 320x480 360x720 1024x768
SCALE ?= 1
screenshots: build
	@QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$(SCALE) \
		build/release/tools/screenshots/hv_screenshots build/screenshots $(SIZES)

# The web reader, one self-contained page, into build/web/s/ (see README: serving it).
web: deps
	@cd web && npm ci --no-audit --no-fund --loglevel=error && node build.mjs ../build/web

# The store listing's and the README's two screenshots, in English: the main menu on a phone
# (360x720 points at two pixels a point) and the reader on a desktop.
store-screenshots:
	@$(MAKE) --no-print-directory screenshots SIZES=360x720 SCALE=2
	@$(MAKE) --no-print-directory screenshots SIZES=1024x768 SCALE=1
	@cp build/screenshots/360x720/HushvaultViewController-en.png resources/screenshots/phone.png
	@cp build/screenshots/1024x768/SMSReadViewController-read-en.png resources/screenshots/desktop.png

# Redraws resources/images and the icons in resources/icons from tools/imagegen.
images: build
	@QT_QPA_PLATFORM=offscreen build/release/tools/imagegen/hv_imagegen resources

# The Debian package, build/deb/hushvault_<version>_<arch>.deb, checked by lintian. The web
# reader's npm packages are installed first, from the lock file: the package build itself
# (dpkg-buildpackage, tests off) needs no network.
DEB_VERSION = $(shell dpkg-parsechangelog -S Version)
DEB_ARCH = $(shell dpkg-architecture -qDEB_HOST_ARCH)
deb: deps
	@cd web && npm ci --no-audit --no-fund --loglevel=error
	@DEB_BUILD_OPTIONS="nocheck noautodbgsym parallel=$(JOBS)" dpkg-buildpackage -us -uc -b
	@mkdir -p build/deb
	@mv ../hushvault_$(DEB_VERSION)_$(DEB_ARCH).deb ../hushvault_$(DEB_VERSION)_$(DEB_ARCH).buildinfo \
		../hushvault_$(DEB_VERSION)_$(DEB_ARCH).changes build/deb/
	@lintian --fail-on error,warning build/deb/hushvault_$(DEB_VERSION)_$(DEB_ARCH).changes
	@echo "make deb: build/deb/hushvault_$(DEB_VERSION)_$(DEB_ARCH).deb"

# Formats every source with .clang-format (the test suite fails on unformatted ones).
format: deps
	@find src tests tools bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format -i

clean:
	rm -rf build
