# Two commands do all the set-up: `make run` and `make test`.
# Both install what is missing (scripts/install-deps), configure and build with CMake.

BUILD      ?= build
SANITIZE   ?= build-sanitize
RELEASE    ?= build-release
FUZZ       ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_TIME  ?= 60

.PHONY: all deps build run test test-main test-sanitize bench fuzz format install package release \
        clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/fenra32

test: test-main test-sanitize

# The tests build with every warning of the core and the windows as an error.
test-main: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENRA_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The core, the windows and their tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; the window tests run offscreen. The Python module is left out: an
# interpreter without the sanitizer runtime cannot load it.
test-sanitize: deps
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DFENRA_SANITIZE=ON -DFENRA_WERROR=ON \
	      -DFENRA_WITH_UI=ON -DFENRA_WITH_BENCH=OFF -DFENRA_WITH_PYTHON=OFF
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cd $(BUILD)/bin && for b in bench_*; do QT_QPA_PLATFORM=offscreen ./$$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# Installs into PREFIX (default /usr/local): make install PREFIX=$$HOME/.local
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian packages of the same tree under /usr, in $(BUILD)/: fenra32, fenra32-cli,
# python3-fenra32 (<name>_<version>-<revision>_<arch>.deb) and fenra32-data (..._all.deb).
package: build
	cmake --build $(BUILD) --target package

# The packages of a release, in $(RELEASE)/, from a new build folder with Debian's build flags
# and all of its hardening (fortify, stack protector, relro, bind-now; dpkg-buildflags), without
# the tests and benchmarks; lintian, when installed, must find no error or warning in them.
# scripts/check-debian-packages installs them on a new Debian system and tries them there.
release: deps
	rm -rf $(RELEASE)
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all && \
	CPPFLAGS="$$(dpkg-buildflags --get CPPFLAGS)" && \
	CFLAGS="$$(dpkg-buildflags --get CFLAGS) $$CPPFLAGS" \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$CPPFLAGS" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENRA_WITH_TESTS=OFF \
	      -DFENRA_WITH_BENCH=OFF $(RELEASE_CMAKE_ARGS)
	cmake --build $(RELEASE) -j $(JOBS)
	cd $(RELEASE) && cpack -G DEB
	@if command -v lintian >/dev/null; then \
	    lintian --pedantic --info $(RELEASE)/*.deb | tee $(RELEASE)/lintian.txt; \
	    ! grep -q '^[EW]: ' $(RELEASE)/lintian.txt; \
	else echo "lintian is not installed: the packages were not checked"; fi
	@ls -l $(RELEASE)/*.deb

# libFuzzer on the target-file reader, on corrupted copies of the element database, on the
# material formula reader, on the unit readers and on the physics command line, each for a
# bounded time ($(FUZZ_TIME) s). What a run finds is kept in fuzz/regressions*/.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENRA_FUZZ=ON \
	      -DFENRA_WITH_UI=OFF -DFENRA_WITH_BENCH=OFF -DFENRA_WITH_TESTS=OFF -DFENRA_WITH_PYTHON=OFF
	cmake --build $(FUZZ) -j $(JOBS) --target fuzz_target_file fuzz_element_database \
	      fuzz_material_formula fuzz_units fuzz_physics_command
	mkdir -p fuzz/corpus fuzz/corpus-database fuzz/regressions fuzz/regressions-database
	for f in formula units physics; do mkdir -p fuzz/corpus-$$f fuzz/regressions-$$f; done
	cp -n $(FUZZ)/bin/Fenra32.mdb fuzz/corpus-database/seed.mdb
	$(FUZZ)/bin/fuzz_target_file -max_total_time=$(FUZZ_TIME) -max_len=8192 \
	      -artifact_prefix=fuzz/regressions/ fuzz/corpus fuzz/seeds
	$(FUZZ)/bin/fuzz_element_database -max_total_time=$(FUZZ_TIME) -max_len=65536 \
	      -artifact_prefix=fuzz/regressions-database/ fuzz/corpus-database
	$(FUZZ)/bin/fuzz_material_formula -max_total_time=$(FUZZ_TIME) -max_len=4096 \
	      -artifact_prefix=fuzz/regressions-formula/ fuzz/corpus-formula fuzz/seeds-formula
	$(FUZZ)/bin/fuzz_units -max_total_time=$(FUZZ_TIME) -max_len=256 \
	      -artifact_prefix=fuzz/regressions-units/ fuzz/corpus-units fuzz/seeds-units
	$(FUZZ)/bin/fuzz_physics_command -max_total_time=$(FUZZ_TIME) -max_len=4096 -timeout=10 \
	      -artifact_prefix=fuzz/regressions-physics/ fuzz/corpus-physics fuzz/seeds-physics

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANITIZE) $(FUZZ) $(RELEASE)
