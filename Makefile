# The two commands: `make run` and `make test`. Each installs what is missing
# (Debian packages, as root), configures and builds into build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all build run test bench deps test-deps package install clean sanitize fuzz fuzz-build fuzz-smoke

all: build

deps:
	@scripts/install-deps.sh

test-deps:
	@scripts/install-deps.sh test

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)

test: test-deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory sanitize fuzz-smoke

# The calculation library and its tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer (any report fails); no window, no benchmarks.
ASAN_DIR ?= build-asan
sanitize: test-deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
	  -DQM_SANITIZE=ON -DQM_BUILD_GUI=OFF -DQM_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR) -j$(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j$(JOBS) -E '^packaging$$'

# libFuzzer targets (clang): `make fuzz` runs each for FUZZ_SECONDS on its
# corpus; `make test` runs each for FUZZ_SMOKE_SECONDS.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 10
$(FUZZ_DIR)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Release -DQM_FUZZ=ON \
	  -DQM_BUILD_GUI=OFF -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF

fuzz-build: test-deps $(FUZZ_DIR)/CMakeCache.txt
	cmake --build $(FUZZ_DIR) -j$(JOBS)

fuzz: fuzz-build
	scripts/fuzz.sh long $(FUZZ_DIR) $(FUZZ_SECONDS)

fuzz-smoke: fuzz-build
	scripts/fuzz.sh smoke $(FUZZ_DIR) $(FUZZ_SMOKE_SECONDS)

# The Debian package: $(BUILD_DIR)/quillmere_<version>_amd64.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Installs the built program, stripped, under PREFIX if given, otherwise under
# the configured CMAKE_INSTALL_PREFIX (/usr/local unless set); DESTDIR stages.
install: build
	cmake --install $(BUILD_DIR) --strip $(if $(PREFIX),--prefix $(PREFIX))

bench: build
	$(BUILD_DIR)/bin/quillmere-bench

clean:
	rm -rf $(BUILD_DIR)
