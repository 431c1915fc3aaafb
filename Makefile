# The two commands a newcomer types: `make demo` and `make test`. Each installs what is missing first.
JOBS ?= $(shell nproc)
# The build tool runs make again underneath; its directory messages are noise here.
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=

.PHONY: all deps configure build demo test test-sanitize consumer bench fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B build $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build build -j $(JOBS)

demo: configure
	@cmake --build build -j $(JOBS) --target gallery
	@./build/examples/gallery/gallery build/gallery

test: build
	@cd build && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	@cmake -S . -B build-asan -DTARNAVEL_SANITIZE=ON -DTARNAVEL_BENCH=OFF -DTARNAVEL_INSTALL=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Installs the library into a temporary prefix and builds a separate program against it, both ways.
consumer: build
	@examples/consumer/build-and-run build

bench: build
	@for b in build/bench/*_bench; do [ -x "$$b" ] && "$$b"; done

# Builds the fuzz targets with clang, then fuzzes each in turn for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps --fuzz
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTARNAVEL_FUZZ=ON -DTARNAVEL_FUZZ_SECONDS=$(FUZZ_SECONDS) -DTARNAVEL_BENCH=OFF -DTARNAVEL_TESTS=OFF -DTARNAVEL_EXAMPLES=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzzers
	@cmake --build build-fuzz --target fuzz_all

format:
	@find src tests examples bench fuzz -name '*.h' -o -name '*.cpp' | xargs clang-format -i

clean:
	@rm -rf build build-asan build-fuzz
