# Thin wrapper around CMake + Ninja. `make` builds the portable folder build/Velmora/,
# `make run` starts it, `make test` builds the sanitized tests and runs them all,
# `make wizards` regenerates data/Wizards from data/wizard-sources.
JOBS ?= $(shell nproc)

.PHONY: all deps run test bench wizards format clean

all: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF
	cmake --build build -j $(JOBS)

deps:
	@scripts/install-deps

run: all
	cd build/Velmora && ./velmora

test: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && ctest --output-on-failure -j $(JOBS) --timeout 120

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	build/bench/bench/velmora_bench

# Regenerates the sample wizard files from their sources with Velmora's own writer.
wizards: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF
	cmake --build build -j $(JOBS) --target wizardgen
	build/wizardgen data/wizard-sources data/Wizards

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
