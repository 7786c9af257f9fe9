# Two commands set everything up on a fresh machine: `make run` and `make test`.
BUILD       ?= build
ASAN_BUILD  ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD  ?= build-fuzz
JOBS        ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-asan bench fuzz install clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The desktop program, started in examples/ so its file list shows the sample files.
run: build
	cd examples && ../$(BUILD)/app/Vantorelle

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Every test, the page tests offscreen and the real programs on a virtual
# screen included, built under AddressSanitizer and UndefinedBehaviorSanitizer;
# LeakSanitizer is on (a leak fails the test that made it), apart from the
# system libraries' own leaks listed in tests/sanitizer/lsan.supp.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVANTORELLE_SANITIZE=ON -DVANTORELLE_BUILD_GUI=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp ctest --output-on-failure -j$(JOBS)

# Engine speed against plain loops and, with scikit-learn installed, its Perceptron.
bench: deps
	@tools/install-deps.sh --bench
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVANTORELLE_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target vantorelle_bench
	$(BENCH_BUILD)/bench/vantorelle_bench --folder $(BENCH_BUILD)

# The training-file reader and the header check under libFuzzer (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer), SECONDS seconds per
# target on one core; not part of `make test`. Findings go to
# $(FUZZ_BUILD)/artifacts/.
SECONDS ?= 60
fuzz: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(SECONDS)

# Installs the three programs, the sample files, the menu entry, its icon, the
# AppStream file and the manual pages under PREFIX.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
