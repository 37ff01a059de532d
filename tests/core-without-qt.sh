#!/bin/sh
# Builds the conversion core and its region test with Qt ruled out, and runs
# the test in the regions of the region table, in locales that it makes
# itself: the core reads the user's separators from the C library alone, as
# in the program.
# Usage: core-without-qt.sh SOURCE_DIR BUILD_DIR
set -eu
source=$1
build=$2
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
    -DBRANTILE_BUILD_PROGRAM=OFF -DBRANTILE_BUILD_BENCH=OFF -DBRANTILE_BUILD_TESTS=ON \
    -DBRANTILE_VALGRIND_TESTS=OFF >"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
cmake --build "$build" --target user_region_test >>"$build.log" 2>&1 || { cat "$build.log"; exit 1; }
regions="en_US de_DE fr_FR ar_EG en_ZA fr_CH ru_RU.KOI8-R"
sh "$source/tests/make-locales.sh" "$build/locales" $regions
for region in $regions C xx_YY.UTF-8; do
    case $region in
    *.* | C) locale=$region ;;
    *) locale=$region.UTF-8 ;;
    esac
    LOCPATH="$build/locales" LC_ALL=$locale BRANTILE_REGION=$region \
        "$build/tests/user_region_test" --gtest_brief=1
done
