# The README's commands. Everything else is CMake under build/.
JOBS ?= $(shell nproc)
TEST_DIR := build/test
REL_DIR := build/release

.PHONY: all deps build test demo bench clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(REL_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(REL_DIR) -j $(JOBS)

# Tests run in their own build with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DSORVANE_SANITIZE=ON -DSORVANE_BENCH=OFF
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

demo: build
	scripts/demo $(REL_DIR)

bench: build
	scripts/bench $(REL_DIR)

clean:
	rm -rf build
