# Two entry points: `make run` and `make test`. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test asan fuzz package translations clean

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

# The Debian package of the install tree: build/mirel_<version>_<arch>.deb.
package: build
	cmake --build --preset default --target package

# Brings app/translations/*.ts up to date with the texts in the code (lupdate);
# translate the new entries with Qt Linguist, then build.
translations: configure
	cmake --build --preset default --target update_translations

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
