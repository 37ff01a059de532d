#!/bin/sh
# Makes the C library's locales of the named regions, in UTF-8 unless the name
# gives a character set (ru_RU.KOI8-R), from glibc's locale sources into DIR,
# for programs run with LOCPATH=DIR; a locale made before is kept.
# Usage: make-locales.sh DIR REGION[.CHARSET]...
set -eu
dir=$1
shift
mkdir -p "$dir"
for name in "$@"; do
    case $name in
    *.*) locale=$name ;;
    *) locale=$name.UTF-8 ;;
    esac
    [ -d "$dir/$locale" ] || localedef -i "${locale%%.*}" -f "${locale#*.}" "$dir/$locale"
done
