# Quick start: `make run` builds and starts the utility, `make test` builds and
# runs every test. Both install missing Debian packages first.
# SANITIZE=address (with undefined behaviour) or SANITIZE=thread selects a
# sanitizer build in its own folder, e.g. `make test SANITIZE=address`.

SANITIZE ?=
BUILD_DIR ?= build$(if $(SANITIZE),-$(SANITIZE))
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
RUN_ARGS ?=

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DKEYLUME_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	@./tools/run-keylume.sh $(BUILD_DIR) $(RUN_ARGS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS) --timeout 300

bench: build
	@./tools/run-benchmarks.sh $(BUILD_DIR)

format:
	@find app device protocol settings keys ui tests bench tools -name '*.h' -o -name '*.cpp' | xargs clang-format -i

clean:
	@rm -rf build build-address build-thread
