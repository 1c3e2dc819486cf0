#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a system gets: the program folder with the two
# programs and their libraries found through $ORIGIN alone, the command links, the desktop entry, the icons,
# the metainfo and the manual page; the desktop entry and the metainfo pass their validators, and the
# installed kvilo-cli runs on the installed libraries.
#   check_install.sh <build folder> <scratch prefix> <program folder under the prefix> <application id>
set -euo pipefail
build=$1 prefix=$2 program="$2/$3" id=$4

fail() {
    echo "install_layout: $*" >&2
    exit 1
}

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

for name in kvilo kvilo-cli libkvilo_listformat.so libkvilo_core_framework.so libkvilo_platform.so libkvilo_base.so; do
    [ -f "$program/$name" ] || fail "$program/$name is missing"
done
for name in kvilo kvilo-cli; do
    [ -L "$prefix/bin/$name" ] && [ "$(readlink -f "$prefix/bin/$name")" = "$(readlink -f "$program/$name")" ] ||
        fail "bin/$name is no link to the program folder"
done
for file in "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    share/icons/hicolor/scalable/apps/kvilo.svg share/icons/hicolor/48x48/apps/kvilo.png \
    share/icons/hicolor/256x256/apps/kvilo.png share/man/man1/kvilo-cli.1.gz; do
    [ -s "$prefix/$file" ] || fail "$file is missing"
done

# Every binary looks for libraries beside itself only, and finds all of ours there.
for binary in "$program"/*; do
    runpath=$(readelf -d "$binary" | sed -n 's/.*(RUNPATH) *Library runpath: \[\(.*\)\]/\1/p')
    [ "$runpath" = '$ORIGIN' ] || fail "$binary has the run path '$runpath'"
    if ldd "$binary" | grep 'libkvilo_' | grep -v "=> $program/"; then
        fail "$binary takes libraries of the program from elsewhere"
    fi
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not validate"
zcat "$prefix/share/man/man1/kvilo-cli.1.gz" | grep -q '^\.TH KVILO-CLI 1' || fail "the manual page is broken"

# Without a query the installed kvilo-cli shows its usage and ends with status 2.
set +e
usage=$("$prefix/bin/kvilo-cli" 2>&1)
status=$?
set -e
[ $status -eq 2 ] && grep -q '^usage: kvilo-cli' <<<"$usage" || fail "the installed kvilo-cli did not run: $usage"
echo "install_layout: the install in $prefix is whole"
