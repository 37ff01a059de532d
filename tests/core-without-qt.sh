#!/bin/sh
# Builds the conversion core and its region test with Qt ruled out, and runs
# the test in three regions whose locales it makes itself: the core then reads
# the user's separators through the C++ library alone.
# Usage: core-without-qt.sh SOURCE_DIR BUILD_DIR
set -eu
source=$1
build=$2
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
    -DBRANTILE_BUILD_PROGRAM=OFF -DBRANTILE_BUILD_BENCH=OFF -DBRANTILE_BUILD_TESTS=ON \
    -DBRANTILE_VALGRIND_TESTS=OFF >"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
cmake --build "$build" --target user_region_test >>"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
mkdir -p "$build/locales"
for region in en_US de_DE fr_FR; do
    [ -d "$build/locales/$region.UTF-8" ] || localedef -i "$region" -f UTF-8 "$build/locales/$region.UTF-8"
    LOCPATH="$build/locales" LC_ALL="$region.UTF-8" BRANTILE_REGION=$region \
        "$build/tests/user_region_test" --gtest_brief=1
done
