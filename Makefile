# Front door: `make run` builds and starts the program, `make test` builds
# and runs every test, `make package` builds the packages for users into
# dist/.  All of them drive CMake.
JOBS ?= 2
CTEST = ctest --output-on-failure -j$(JOBS)

.PHONY: run build package test test-native test-sanitize test-fuzz test-windows test-package \
	fuzz clean

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKORVELIN_TESTS=OFF >/dev/null
	cmake --build build -j$(JOBS)

run: build
	./build/korvelin

# Every test: the native suite, the same suite built with the address,
# undefined-behaviour and leak sanitizers, each fuzz target for a short time
# (with clang), and the transcripts against the Windows build under Wine
# (with MinGW-w64 and Wine), and the packages.
test: test-native test-sanitize test-fuzz test-windows test-package

test-native:
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DKORVELIN_WERROR=ON -DKORVELIN_WINDOWS_EXE= >/dev/null
	cmake --build build-test -j$(JOBS)
	$(CTEST) --test-dir build-test

test-sanitize:
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVELIN_SANITIZE=address,undefined -DKORVELIN_WERROR=ON >/dev/null
	cmake --build build-asan -j$(JOBS)
	$(CTEST) --test-dir build-asan

FUZZ_SECONDS ?= 20
FUZZ_CONFIGURE = cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ \
	-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVELIN_TESTS=OFF -DKORVELIN_FUZZ=ON -DKORVELIN_WERROR=ON \
	-DKORVELIN_SANITIZE=address,undefined -DKORVELIN_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null

test-fuzz:
	@if command -v clang++ >/dev/null; then \
	  set -e; $(FUZZ_CONFIGURE); cmake --build build-fuzz -j$(JOBS); \
	  $(CTEST) --test-dir build-fuzz; \
	else \
	  echo "Fuzz targets SKIPPED: install clang to run them"; \
	fi

# One fuzz target for as long as you like (paths are absolute: the targets
# work inside a private folder of their own), e.g.
#   make fuzz TARGET=console SECONDS=3600
# Inputs that crash, hang or leak land in build-fuzz/tests/fuzz/artifacts/.
TARGET ?= console
SECONDS ?= 300
fuzz:
	$(FUZZ_CONFIGURE)
	cmake --build build-fuzz -j$(JOBS) --target fuzz_$(TARGET)
	$(CURDIR)/build-fuzz/tests/fuzz/fuzz_$(TARGET) -max_total_time=$(SECONDS) -timeout=1 \
	  -rss_limit_mb=2048 -artifact_prefix=$(CURDIR)/build-fuzz/tests/fuzz/artifacts/$(TARGET)- \
	  $(CURDIR)/build-fuzz/tests/fuzz/work/$(TARGET) $(CURDIR)/tests/fuzz/corpus/$(TARGET)

test-windows:
	@if command -v x86_64-w64-mingw32-g++ >/dev/null && command -v wine >/dev/null; then \
	  set -e; \
	  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	        -DCMAKE_BUILD_TYPE=Release -DKORVELIN_WERROR=ON >/dev/null; \
	  cmake --build build-windows -j$(JOBS); \
	  cmake -S . -B build-wine -DCMAKE_BUILD_TYPE=Debug -DKORVELIN_WERROR=ON \
	        -DKORVELIN_WINDOWS_EXE=$(CURDIR)/build-windows/korvelin.exe >/dev/null; \
	  cmake --build build-wine -j$(JOBS) --target transcript_runner; \
	  $(CTEST) --test-dir build-wine -L windows; \
	else \
	  echo "Windows suite SKIPPED: install g++-mingw-w64-x86-64 and wine to run it"; \
	fi

# The packages for users, into dist/ (cmake/packaging.cmake says what they
# hold): the Debian package from a release build with Debian's hardening
# flags (without -g: the package's program is stripped), when dpkg-dev is
# installed, and the Windows zip from the MinGW-w64 build that test-windows
# runs too, when MinGW-w64 and mandoc (which renders the manual as a web
# page) are installed.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get
package:
	rm -rf dist
	@if command -v dpkg-buildflags >/dev/null && command -v dpkg-shlibdeps >/dev/null; then \
	  set -e; \
	  cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DKORVELIN_TESTS=OFF \
	        -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
	        -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" >/dev/null; \
	  cmake --build build-package -j$(JOBS); \
	  cd build-package && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(CURDIR)/dist; \
	else \
	  echo "Debian package SKIPPED: install dpkg-dev to build it"; \
	fi
	@if command -v x86_64-w64-mingw32-g++ >/dev/null && command -v mandoc >/dev/null; then \
	  set -e; \
	  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	        -DCMAKE_BUILD_TYPE=Release -DKORVELIN_WERROR=OFF >/dev/null; \
	  cmake --build build-windows -j$(JOBS); \
	  cd build-windows && cpack -D CPACK_OUTPUT_FILE_PREFIX=$(CURDIR)/dist; \
	else \
	  echo "Windows zip SKIPPED: install g++-mingw-w64-x86-64 and mandoc to build it"; \
	fi

# The packages checked: lintian on the Debian package, and the README's
# first session run from each package unpacked.
test-package: package
	sh tests/package/check.sh $(CURDIR)/dist $(CURDIR)/README.md

clean:
	rm -rf build build-test build-asan build-fuzz build-windows build-wine build-package dist
