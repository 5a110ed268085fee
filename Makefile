# Two entry points: `make run` and `make test`. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test asan fuzz clean

deps:
	./scripts/install-deps

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./scripts/run-mirel

test: build
	ctest --preset default -j $(JOBS)

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Not part of test: clang and libFuzzer; fuzzes one core for FUZZ_SECONDS (default 60).
fuzz:
	./scripts/install-deps --fuzz
	MIREL_FUZZ_REQUIRED=1 JOBS=$(JOBS) ./scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-fuzz
