# Thin wrapper over the CMake presets. `make run` first installs the Debian
# packages that are missing (scripts/debian-packages.txt) among those that
# building and running the program need; `make test`, and the targets that
# need tools beyond the build's (Wine, clang, gcovr, lintian, reprotest...),
# all of them. The steps that only build (build, windows, test-default,
# test-asan, test-windows-short, dist-files) install nothing.
WERROR ?= OFF
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-default test-asan test-windows test-windows-short windows fuzz coverage package bench clean
.PHONY: deps-run dist dist-files check-release
.PHONY: run-windows bench-windows bench-all

all: build

deps:
	@./scripts/install-deps test

deps-run:
	@./scripts/install-deps run

# Configures (again, so that WERROR takes) and builds one preset.
define configure_and_build
	cmake --preset $(1) -DBRANTILE_WERROR=$(WERROR)
	cmake --build --preset $(1)
endef

build:
	$(call configure_and_build,default)

# The program alone; a first configure leaves out the tests and benchmarks,
# whose packages `make run` does not install.
run: deps-run
	@[ -f build/default/CMakeCache.txt ] || \
	    cmake --preset default -DBRANTILE_BUILD_TESTS=OFF -DBRANTILE_BUILD_BENCH=OFF
	cmake --build --preset default --target brantile
	@./scripts/run build/default

# Every test: in the plain build, under AddressSanitizer and
# UndefinedBehaviorSanitizer, and built for Windows under Wine. The Windows
# soak runs for minutes on about one core: it starts once the Windows build is
# there and runs beside the rest, and make test shows its output at the end.
test: deps windows
	@./scripts/soak start build/windows
	@$(MAKE) --no-print-directory test-default test-asan test-windows-short || \
	    { ./scripts/soak stop build/windows; exit 1; }
	@./scripts/soak wait build/windows

test-default:
	$(call configure_and_build,default)
	ctest --preset default

test-asan:
	$(call configure_and_build,asan)
	ctest --preset asan

# The Windows build (mingw-w64, statically linked) in build/windows.
windows:
	$(call configure_and_build,windows)

# The soak runs for minutes: on its own, with its output, which says how far
# it is.
test-windows: deps test-windows-short
	ctest --preset windows -R '^win32_soak$$' --verbose

test-windows-short: windows
	ctest --preset windows -E '^win32_soak$$'

run-windows: deps windows
	@./scripts/run-windows build/windows

# The Windows program's start-up under Wine against its Win32 floor.
bench-windows: deps build windows
	./scripts/bench-windows build/windows build/default/bench/brantile_startup_bench

bench-all: bench bench-windows

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
bench: deps build
	./scripts/bench build/default

# A Debian package of the program, in build/default/package/.
package: deps build
	cd build/default && cpack

# The release files in dist/: the .deb, the Windows installer and zip, the
# source archive of the committed HEAD, and SHA256SUMS over the four. They are
# the same bytes for the same commit wherever and whenever they are built: the
# commit's time stands for the build's (SOURCE_DATE_EPOCH), and the installer,
# zip and .deb are made afresh with it.
VERSION := $(shell sed -n 's/^project.Brantile VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
RELEASE_FILES := brantile_$(VERSION)_amd64.deb brantile-$(VERSION)-setup.exe \
	brantile-$(VERSION)-win64.zip brantile-$(VERSION).tar.gz
dist: export SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct)
dist: deps package windows
	$(MAKE) --no-print-directory dist-files
	@git diff --quiet HEAD || echo "Note: the source archive holds HEAD, without the uncommitted changes."
	@ls -l dist

# dist from the builds as they are, in build/default and build/windows.
dist-files: export SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct)
dist-files:
	rm -rf dist build/windows/brantile-$(VERSION)-setup.exe build/windows/brantile-$(VERSION)-win64.zip
	mkdir dist
	cmake --build build/windows --target brantile_windows_files
	cd build/default && umask 022 && cpack -B "$(CURDIR)/dist/package" >/dev/null
	cp dist/package/brantile_$(VERSION)_amd64.deb build/windows/brantile-$(VERSION)-setup.exe \
	    build/windows/brantile-$(VERSION)-win64.zip dist/
	rm -rf dist/package
	git archive --format=tar.gz --prefix=brantile-$(VERSION)/ -o dist/brantile-$(VERSION).tar.gz HEAD
	cd dist && sha256sum $(RELEASE_FILES) >SHA256SUMS

# The release files built once more from a clone of HEAD in another folder,
# in another time zone and umask, without the tests: the same bytes as dist/.
check-release: deps dist
	./scripts/check-release

clean:
	rm -rf build dist
