# Wraps CMake: `make` builds, `make check` builds and runs every test,
# `make demo` runs the analyser on the example log, `make bench` times it,
# `make deb` builds the Debian package.
# `make demo` and `make check` first install the Debian packages they need
# when some are missing (tools/install-deps).
BUILD ?= build
DEMO_BUILD ?= build-demo
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
DEB_BUILD ?= build-deb
# The version is the program's own, written once in src/driver/credits.h.
VERSION := $(shell sed -n 's/^\#define BRANTLOW_VERSION "\(.*\)"/\1/p' src/driver/credits.h)
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
# The sanitizer build uses clang when present, so both compilers build it.
SANITIZE_CXX ?= $(shell command -v clang++ 2>/dev/null || echo c++)

.PHONY: all build check check-sanitize fuzz windows windows-check dist deb install demo bench clean \
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

install: build
	install -D -m 755 $(BUILD)/brantlow $(DESTDIR)$(PREFIX)/bin/brantlow
	install -D -m 644 brantlow.1 $(DESTDIR)$(PREFIX)/share/man/man1/brantlow.1

# The demo builds the program alone, in a build of its own without the
# tests, so neither GoogleTest nor the test targets are needed for it.
$(DEMO_BUILD)/CMakeCache.txt: | deps-build
	cmake -S . -B $(DEMO_BUILD) $(GENERATOR) -DBRANTLOW_TESTS=OFF -DCMAKE_BUILD_TYPE=Release

demo: deps-build $(DEMO_BUILD)/CMakeCache.txt
	cmake --build $(DEMO_BUILD) -j $(JOBS) --target brantlow
	@examples/demo.sh $(DEMO_BUILD)/brantlow

# Times brantlow against wc, grep and awk on generated logs of up to 4 GiB
# (several GB of disk under $(BUILD)/benchdata); not part of CI.
bench: build
	bench/run $(BUILD)

clean:
	rm -rf $(BUILD) $(DEMO_BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) $(DEB_BUILD)
