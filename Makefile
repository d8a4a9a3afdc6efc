# Front door: `make run` builds and starts the program, `make test` builds
# and runs every test.  Both drive CMake.
JOBS ?= 2
CTEST = ctest --output-on-failure -j$(JOBS)

.PHONY: run build test test-native test-sanitize test-windows clean

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKORVELIN_TESTS=OFF >/dev/null
	cmake --build build -j$(JOBS)

run: build
	./build/korvelin

# Every test: the native suite, the same suite built with the address,
# undefined-behaviour and leak sanitizers, and the transcripts against the
# Windows build under Wine when MinGW-w64 and Wine are installed.
test: test-native test-sanitize test-windows

test-native:
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DKORVELIN_WINDOWS_EXE= >/dev/null
	cmake --build build-test -j$(JOBS)
	$(CTEST) --test-dir build-test

test-sanitize:
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVELIN_SANITIZE=address,undefined >/dev/null
	cmake --build build-asan -j$(JOBS)
	$(CTEST) --test-dir build-asan

test-windows:
	@if command -v x86_64-w64-mingw32-g++ >/dev/null && command -v wine >/dev/null; then \
	  set -e; \
	  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	        -DCMAKE_BUILD_TYPE=Release -DKORVELIN_TESTS=OFF >/dev/null; \
	  cmake --build build-windows -j$(JOBS); \
	  cmake -S . -B build-wine -DCMAKE_BUILD_TYPE=Debug \
	        -DKORVELIN_WINDOWS_EXE=$(CURDIR)/build-windows/korvelin.exe >/dev/null; \
	  cmake --build build-wine -j$(JOBS) --target transcript_runner; \
	  $(CTEST) --test-dir build-wine -L windows; \
	else \
	  echo "Windows suite SKIPPED: install g++-mingw-w64-x86-64 and wine to run it"; \
	fi

clean:
	rm -rf build build-test build-asan build-windows build-wine
