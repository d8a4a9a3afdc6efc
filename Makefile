# Front door: `make run` builds and starts the program, `make test` builds
# and runs every test.  Both drive CMake; nothing else is needed.
JOBS ?= 2

.PHONY: run build test clean

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKORVELIN_TESTS=OFF >/dev/null
	cmake --build build -j$(JOBS)

run: build
	./build/korvelin

test:
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build build-test -j$(JOBS)
	ctest --test-dir build-test --output-on-failure -j$(JOBS)

clean:
	rm -rf build build-test
