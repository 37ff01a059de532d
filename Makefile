# Thin wrapper over the CMake presets. Every target first installs the Debian
# packages that are missing (scripts/debian-packages.txt).
PRESET ?= default
WERROR ?= OFF
BUILD_DIR := build/$(PRESET)

.PHONY: all deps configure build run test clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	cmake --preset $(PRESET) -DBRANTILE_WERROR=$(WERROR)

build: configure
	cmake --build --preset $(PRESET)

run: build
	@./scripts/run $(BUILD_DIR)

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build
