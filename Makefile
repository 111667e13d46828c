# Wraps CMake: `make` builds, `make check` builds and runs every test,
# `make demo` runs the analyser on the example log, `make bench` times it,
# `make deb` builds the Debian package, `make install` the Release program
# alone, `make format` lays the sources out.
# `make demo` and `make check` first install the Debian packages they need
# when some are missing (tools/install-deps).
BUILD ?= build
DEMO_BUILD ?= build-demo
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
DEB_BUILD ?= build-deb
RELEASE_BUILD ?= build-release
# The version is written once, in the project line of CMakeLists.txt.
VERSION := $(shell sed -n 's/^project(brantlow VERSION \([^ )]*\).*/\1/p' CMakeLists.txt)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
# The sanitizer build uses clang when present, so both compilers build it.
SANITIZE_CXX ?= $(shell command -v clang++ 2>/dev/null || echo c++)

.PHONY: all build check check-sanitize fuzz windows windows-check dist deb install demo bench clean format \
        deps-build deps-check deps-deb

all: build

deps-build:
	@tools/install-deps build

deps-check:
	@tools/install-deps check

deps-deb:
	@tools/install-deps build dpkg-dev

# The full build has the tests, so it needs what they need.
$(BUILD)/CMakeCache.txt: | deps-check
	cmake -S . -B $(BUILD) $(GENERATOR)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

check: deps-check build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(SANITIZE_BUILD)/CMakeCache.txt:
	CXX=$(SANITIZE_CXX) cmake -S . -B $(SANITIZE_BUILD) $(GENERATOR) -DBRANTLOW_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

check-sanitize: $(SANITIZE_BUILD)/CMakeCache.txt
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# libFuzzer targets under clang with ASan and UBSan, each run FUZZ_SECONDS.
$(FUZZ_BUILD)/CMakeCache.txt:
	CXX=$(SANITIZE_CXX) cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DBRANTLOW_FUZZ=ON -DBRANTLOW_TESTS=OFF

fuzz: $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	tests/fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

# brantlow.exe, cross-built with mingw-w64 and linked statically.
$(WINDOWS_BUILD)/CMakeCache.txt:
	cmake -S . -B $(WINDOWS_BUILD) $(GENERATOR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DBRANTLOW_TESTS=OFF -DCMAKE_BUILD_TYPE=Release

windows: $(WINDOWS_BUILD)/CMakeCache.txt
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target brantlow

# The end-to-end suite against brantlow.exe under wine (tests/wine-check
# names what it leaves out).
windows-check: build windows
	tests/wine-check $(BUILD) $(WINDOWS_BUILD)

# A source tarball and a zip for the station that runs the mailer.
dist: windows
	git archive --format=tar.gz --prefix=brantlow-$(VERSION)/ -o $(BUILD)/brantlow-$(VERSION).tar.gz HEAD
	rm -f $(BUILD)/brantlow-$(VERSION)-win64.zip
	zip -j -q $(BUILD)/brantlow-$(VERSION)-win64.zip $(WINDOWS_BUILD)/brantlow.exe README.md \
	  brantlow.1 examples/brantlow.cfg examples/t-mail.log examples/max.log \
	  examples/brantlow-binkd.cfg examples/binkd.log
	@echo "$(BUILD)/brantlow-$(VERSION).tar.gz $(BUILD)/brantlow-$(VERSION)-win64.zip"

# brantlow_$(VERSION)_ARCH.deb in $(DEB_BUILD): a Release build of its own
# with all of Debian's hardening flags, packed by packaging/build-deb.
$(DEB_BUILD)/CMakeCache.txt: | deps-deb
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	CXXFLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(DEB_BUILD) $(GENERATOR) -DBRANTLOW_TESTS=OFF -DCMAKE_BUILD_TYPE=Release

deb: deps-deb $(DEB_BUILD)/CMakeCache.txt
	cmake --build $(DEB_BUILD) -j $(JOBS) --target brantlow
	packaging/build-deb $(DEB_BUILD)/brantlow $(VERSION) $(DEB_BUILD)

# The Release program alone (no tests, no debug information), stripped and
# installed with its manual page by CMake's install rules.
$(RELEASE_BUILD)/CMakeCache.txt: | deps-build
	cmake -S . -B $(RELEASE_BUILD) $(GENERATOR) -DBRANTLOW_TESTS=OFF -DCMAKE_BUILD_TYPE=Release

install: deps-build $(RELEASE_BUILD)/CMakeCache.txt
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target brantlow
	DESTDIR=$(DESTDIR) cmake --install $(RELEASE_BUILD) --prefix $(PREFIX) --strip

# The demo builds the program alone, in a build of its own without the
# tests, so neither GoogleTest nor the test targets are needed for it.
$(DEMO_BUILD)/CMakeCache.txt: | deps-build
	cmake -S . -B $(DEMO_BUILD) $(GENERATOR) -DBRANTLOW_TESTS=OFF -DCMAKE_BUILD_TYPE=Release

demo: deps-build $(DEMO_BUILD)/CMakeCache.txt
	cmake --build $(DEMO_BUILD) -j $(JOBS) --target brantlow
	@examples/demo.sh $(DEMO_BUILD)/brantlow

# Times brantlow against wc, grep and awk on generated logs of up to 4 GiB
# (several GB of disk under /tmp/brantlow-bench); not part of CI. It times
# the Release program, as `make install` and the package build it, not the
# tests' build (-O2 -g), which runs 7% more instructions on a busy day.
bench: deps-check $(RELEASE_BUILD)/CMakeCache.txt
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target brantlow gen
	bench/run $(RELEASE_BUILD)

# Rewrites the C++ files under src/ and tests/ as .clang-format lays them
# out (tools/check-format checks without writing).
format:
	tools/check-format --write

clean:
	rm -rf $(BUILD) $(RELEASE_BUILD) $(DEMO_BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) $(DEB_BUILD)
