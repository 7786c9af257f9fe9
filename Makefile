# Two commands set everything up on a fresh machine: `make run` and `make test`.
BUILD       ?= build
ASAN_BUILD  ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD  ?= build-fuzz
WEB_BUILD   ?= build-web
JOBS        ?= 2
CMAKE_FLAGS ?=
# A new build folder is made for Ninja (tools/install-deps.sh installs it):
# it keeps both cores busy across targets where make waits for each target's
# link; a folder made before keeps its generator.
generator = $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja)

.PHONY: all deps test-deps build run test test-asan bench fuzz web web-serve install uninstall clean

all: build

# What the programs need to build; `make test` adds the test tools.
deps:
	@tools/install-deps.sh build
test-deps:
	@tools/install-deps.sh test

# The tests are built when GoogleTest is there (after `make test` once);
# `make run` and `make install` alone never need it.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(call generator,$(BUILD)) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The desktop program, started in examples/ so its file list shows the sample files.
run: build
	cd examples && ../$(BUILD)/app/Vantorelle

test: deps test-deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) -DVANTORELLE_BUILD_TESTS=ON
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Every test, the page tests offscreen and the real programs on a virtual
# screen included, built under AddressSanitizer and UndefinedBehaviorSanitizer;
# LeakSanitizer is on (a leak fails the test that made it), apart from the
# system libraries' own leaks listed in tests/sanitizer/lsan.supp. The browser
# tests (label web) run in `make test` only: the page is the same either way.
test-asan: deps test-deps
	cmake -S . -B $(ASAN_BUILD) $(call generator,$(ASAN_BUILD)) -DCMAKE_BUILD_TYPE=Debug -DVANTORELLE_SANITIZE=ON -DVANTORELLE_BUILD_GUI=ON \
	      -DVANTORELLE_BUILD_TESTS=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp ctest --output-on-failure -j$(JOBS) -LE web

# Engine speed against plain loops and, with scikit-learn installed, its Perceptron.
bench: deps
	@tools/install-deps.sh bench
	cmake -S . -B $(BENCH_BUILD) $(call generator,$(BENCH_BUILD)) -DCMAKE_BUILD_TYPE=Release -DVANTORELLE_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j$(JOBS) --target vantorelle_bench
	$(BENCH_BUILD)/bench/vantorelle_bench --folder $(BENCH_BUILD)

# The training-file reader and the header check under libFuzzer (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer), SECONDS seconds per
# target on one core; not part of `make test`. Findings go to
# $(FUZZ_BUILD)/artifacts/.
SECONDS ?= 60
fuzz: deps
	@tools/install-deps.sh fuzz
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	fuzz/run.sh $(FUZZ_BUILD) $(SECONDS)

# The page in web/dist: the core compiled to WebAssembly by Debian's
# emscripten, and the page's own files; any static host serves the folder.
# Debian's emscripten finds its JavaScript parser among Debian's node modules,
# which a node from elsewhere does not search unless told. npm ci installs the
# browser tests' locked packages (the page itself uses none), again only when
# the lock file changed.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs
web:
	@tools/install-deps.sh web
	$(EMSCRIPTEN_ENV) emcmake cmake -S web -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) -j$(JOBS)
	test web/node_modules/.package-lock.json -nt web/package-lock.json || (cd web && npm ci --no-audit --no-fund)
	node web/tools/assemble.mjs $(WEB_BUILD) web/dist

PORT ?= 8000
web-serve: web
	node web/tools/serve.mjs web/dist $(PORT)

# Installs the three programs, the sample files, the menu entry, its icon, the
# AppStream file and the manual pages under PREFIX, with the installation log
# (PREFIX/bin/ST6UNST.LOG) and the program that removes what it lists
# (PREFIX/lib/vantorelle/ST6UNST.EXE). `make uninstall` runs that program:
# it removes the files this installation wrote and nothing else.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@test -x "$(PREFIX)/lib/vantorelle/ST6UNST.EXE" || \
	  { echo "No Vantorelle installation with an uninstaller in $(PREFIX)"; exit 1; }
	"$(PREFIX)/lib/vantorelle/ST6UNST.EXE" --text -n "$(PREFIX)/bin/ST6UNST.LOG"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(WEB_BUILD) web/dist web/node_modules
