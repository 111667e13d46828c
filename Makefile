# Wraps CMake: `make` builds, `make check` builds and runs every test,
# `make demo` runs the analyser on the example log, `make bench` times it.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
# The sanitizer build uses clang when present, so both compilers build it.
SANITIZE_CXX ?= $(shell command -v clang++ 2>/dev/null || echo c++)

.PHONY: all build check check-sanitize fuzz demo bench clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

check: build
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

demo: build
	@examples/demo.sh $(BUILD)/brantlow

# Times brantlow against wc, grep and awk on generated logs of up to 4 GiB
# (several GB of disk under $(BUILD)/benchdata); not part of CI.
bench: build
	bench/run $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
