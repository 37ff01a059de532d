#!/bin/sh
# Configures a parent project that pulls Brantile in with add_subdirectory and
# checks that Brantile keeps its program, install rules and package to itself
# unless the parent asks for them.
# Usage: check-embed.sh SOURCE_DIR GENERATOR CXX_COMPILER
set -eu
source=$1 generator=$2 compiler=$3
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
fail() { echo "$*"; exit 1; }

configure() {
    cmake -S "$source/tests/embed" -B "$build" -G "$generator" -DCMAKE_CXX_COMPILER="$compiler" \
        -DBRANTILE_SOURCE_DIR="$source" "$@" >"$build/configure.log" 2>&1 ||
        { cat "$build/configure.log"; fail "the parent project does not configure"; }
}

configure
if grep -q 'CMake Warning' "$build/configure.log"; then
    cat "$build/configure.log"; fail "configuring the parent warns"
fi
grep -qx 'set(CPACK_PACKAGE_NAME "Parent")' "$build/CPackConfig.cmake" ||
    fail "the parent's package has another name: $(grep 'CPACK_PACKAGE_NAME ' "$build/CPackConfig.cmake")"
grep -qx 'set(CPACK_PACKAGE_VERSION "2.5")' "$build/CPackConfig.cmake" ||
    fail "the parent's package has another version"
cmake --install "$build" --prefix "$build/prefix" >/dev/null ||
    fail "the parent does not install without building"
installed=$(cd "$build/prefix" && find . -type f)
[ "$installed" = ./share/parent/CMakeLists.txt ] || fail "the parent installs more: $installed"
cmake --build "$build" -- -n >"$build/plan.log"
! grep -q 'brantile\.dir/' "$build/plan.log" || fail "the parent's build makes the program"

# Asked for, the program is built with the rest.
configure -DBRANTILE_INSTALL=ON
cmake --build "$build" -- -n >"$build/plan.log"
grep -q 'brantile\.dir/' "$build/plan.log" || fail "BRANTILE_INSTALL=ON does not build the program"
echo "embedding: 1 passed, 0 failed"
