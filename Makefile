# Thin wrapper over the CMake presets. Every target first installs the Debian
# packages that are missing (scripts/debian-packages.txt).
WERROR ?= OFF
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-default test-asan test-windows windows fuzz coverage package bench clean
.PHONY: run-windows bench-windows

all: build

deps:
	@./scripts/install-deps

# Configures (again, so that WERROR takes) and builds one preset.
define configure_and_build
	cmake --preset $(1) -DBRANTILE_WERROR=$(WERROR)
	cmake --build --preset $(1)
endef

build: deps
	$(call configure_and_build,default)

run: build
	@./scripts/run build/default

# Every test: in the plain build, under AddressSanitizer and
# UndefinedBehaviorSanitizer, and built for Windows under Wine.
test: test-default test-asan test-windows

test-default: deps
	$(call configure_and_build,default)
	ctest --preset default

test-asan: deps
	$(call configure_and_build,asan)
	ctest --preset asan

# The Windows build (mingw-w64, statically linked) in build/windows.
windows: deps
	$(call configure_and_build,windows)

test-windows: windows
	ctest --preset windows

run-windows: windows
	@./scripts/run-windows build/windows

# The Windows program's start-up under Wine against its Win32 floor.
bench: bench-windows
bench-windows: build windows
	./scripts/bench-windows build/windows build/default/bench/brantile_startup_bench

# The libFuzzer targets, FUZZ_SECONDS each.
fuzz: deps
	$(call configure_and_build,fuzz)
	./scripts/fuzz build/fuzz $(FUZZ_SECONDS)

# Line and branch coverage of core/ and ui/ by the tests.
coverage: deps
	$(call configure_and_build,coverage)
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage
	gcovr --root . --object-directory build/coverage --filter 'core/' --filter 'ui/' \
	    --exclude-directories 'build/coverage/CMakeFiles' \
	    --exclude-throw-branches --exclude-unreachable-branches --txt --print-summary

# Start-up time and memory against the least Qt Widgets program, and the time
# of one conversion. Benchmarks: they never fail on a time.
bench: build
	./scripts/bench build/default

# A Debian package of the program, in build/default/package/.
package: build
	cd build/default && cpack

clean:
	rm -rf build
