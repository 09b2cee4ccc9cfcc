# The two commands: `make run` and `make test`. Each installs what is missing
# (Debian packages, as root), configures and builds into build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all build run test bench deps test-deps package install clean

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

# The Debian package: $(BUILD_DIR)/quillmere_<version>_amd64.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Installs the built program under PREFIX (default /usr/local), stripped.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

bench: build
	$(BUILD_DIR)/bin/quillmere-bench

clean:
	rm -rf $(BUILD_DIR)
