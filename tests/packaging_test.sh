#!/bin/sh
# What an installed ferricalc brings and what its Debian package holds.
#
# Usage: packaging_test.sh metadata|install|deb SOURCE_DIR BUILD_DIR VERSION APP_ID
#   metadata  the launcher and the metainfo pass their validators (when installed)
#             and agree on the application id and the version; the man pages are
#             clean troff and document every option and core that --help lists
#   install   cmake --install puts exactly the expected files under the prefix,
#             each icon bitmap of the size its folder says, and no program
#             that reads a variable of ours
#   deb       the package that make package built: its control data, exactly the
#             same files, and a command line that runs; skipped (77) when there
#             is no package, or it is older than the programs
set -eu

mode=$1 source=$2 build=$3 version=$4 id=$5
packaging=$source/packaging
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The files under the install prefix, one per line, sorted.
expected_files() {
    {
        echo bin/ferricalc
        echo bin/ferricalc-cli
        echo lib/ferricalc/libferricalc_svg.so
        echo share/applications/$id.desktop
        echo share/metainfo/$id.metainfo.xml
        echo share/icons/hicolor/scalable/apps/$id.svg
        for side in 16 22 24 32 48 64 128 256; do
            echo share/icons/hicolor/${side}x$side/apps/$id.png
        done
        echo share/man/man1/ferricalc.1.gz
        echo share/man/man1/ferricalc-cli.1.gz
        echo share/doc/ferricalc/copyright
    } | sort
}

same_files() {  # $1: what was found, one per line; $2: where
    expected=$(expected_files)
    if [ "$1" != "$expected" ]; then
        fail "$2 does not hold exactly the expected files (- missing, + not expected):"
        printf '%s\n' "$expected" > "$build/packaging/expected-files"
        printf '%s\n' "$1" | diff -u "$build/packaging/expected-files" - >&2 || true
        rm -f "$build/packaging/expected-files"
    fi
}

# Width and height of a PNG, from its IHDR chunk.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", (($3 * 256) + $4), (($7 * 256) + $8) }'
}

check_metadata() {
    desktop=$packaging/$id.desktop
    metainfo=$packaging/$id.metainfo.xml
    for file in "$desktop" "$metainfo"; do
        [ -f "$file" ] || fail "no $file: its name must be the application id"
    done

    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    else
        echo "desktop-file-validate is not installed (desktop-file-utils): launcher not validated"
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
    else
        echo "appstreamcli is not installed (appstream): metainfo not validated"
    fi

    grep -qx "Icon=$id" "$desktop" || fail "the launcher's Icon is not $id"
    grep -qx "Exec=ferricalc" "$desktop" || fail "the launcher does not start ferricalc"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -q "<project_license>MIT</project_license>" "$metainfo" || fail "the metainfo's project_license is not MIT"
    # The package's copyright file carries the same licence text as LICENSE (indented, "." for a blank line).
    licence=$(sed -n '/^Permission/,$p' "$source/LICENSE")
    debian=$(sed -n '/^ Permission/,$p' "$packaging/copyright" | sed 's/^ //; s/^\.$//')
    [ "$licence" = "$debian" ] || fail "packaging/copyright's licence text differs from LICENSE"
    newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
    [ "$newest" = "$version" ] || fail "the metainfo's newest release is '$newest', the program's version $version"

    cli=$build/cli/ferricalc-cli
    help=$("$cli" --help)
    for page in ferricalc ferricalc-cli; do
        man=$build/packaging/$page.1
        [ -f "$man" ] || { fail "no man page $man"; continue; }
        grep -q "^\.TH .*\"ferricalc $version\"" "$man" || fail "$page.1 does not carry version $version"
        if command -v groff >/dev/null; then
            warnings=$(groff -k -Tutf8 -t -man -ww -z "$man" 2>&1)
            [ -z "$warnings" ] || fail "groff warns about $page.1: $warnings"
        fi
    done
    man=$build/packaging/ferricalc-cli.1
    for option in $(printf '%s\n' "$help" | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        grep -q -- "$(printf '%s' "$option" | sed 's/-/\\\\-/g')" "$man" ||
            fail "ferricalc-cli.1 does not document $option"
    done
    # Each core's line of --help, "  ring   A B h r3* a* b*", is a row of the man page's table.
    undocumented=$(printf '%s\n' "$help" | sed -n '/^Cores and their letters:/,/^$/p' | sed '1d;/^$/d' |
        while read -r core letters; do
            grep -qxF "$(printf '%s\t%s' "$core" "$letters")" "$man" || echo "$core $letters;"
        done)
    if [ -n "$undocumented" ]; then
        fail "ferricalc-cli.1 lacks or misstates the cores:" $undocumented
    fi
}

check_install() {
    root=$build/packaging/install-test
    rm -rf "$root"
    DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
    same_files "$(cd "$root/usr" && find . -type f | sed 's|^\./||' | sort)" "the installed tree"
    for png in "$root"/usr/share/icons/hicolor/*/apps/$id.png; do
        folder=$(basename "$(dirname "$(dirname "$png")")")
        [ "$(png_size "$png")" = "$folder" ] || fail "$png is $(png_size "$png"), not $folder"
    done
    [ -x "$root/usr/bin/ferricalc-cli" ] || fail "the installed ferricalc-cli cannot be run"
    # The benchmark's start-up probe, and any other variable of our own, stay out of the shipped programs.
    for program in ferricalc ferricalc-cli; do
        ! grep -q FERRICALC_ "$root/usr/bin/$program" || fail "the installed $program reads a FERRICALC_ variable"
    done
    gzip -t "$root/usr/share/man/man1/ferricalc-cli.1.gz" || fail "the installed man page is not gzip"
    rm -rf "$root"
}

check_deb() {
    arch=$(dpkg --print-architecture)
    deb=$build/ferricalc_${version}_$arch.deb
    if [ ! -f "$deb" ]; then
        echo "no $deb (make package builds it): not checked"
        exit 77
    fi
    for program in "$build/app/ferricalc" "$build/cli/ferricalc-cli"; do
        if [ "$program" -nt "$deb" ]; then
            echo "$deb is older than $program (make package rebuilds it): not checked"
            exit 77
        fi
    done

    [ "$(dpkg-deb -f "$deb" Package)" = ferricalc ] || fail "the package is not named ferricalc"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
    [ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "the package is not for $arch"
    depends=$(dpkg-deb -f "$deb" Depends)
    # One package name a line, without versions.
    depended=$(printf '%s\n' "$depends" | tr ',' '\n' | awk '{ print $1 }')
    for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
        fonts-arphic-uming fonts-arphic-ukai fonts-dejavu-core; do
        printf '%s\n' "$depended" | grep -qxF "$needed" || fail "Depends lacks $needed: $depends"
    done
    if printf '%s\n' "$depended" | grep -q -- '-dev$'; then
        fail "Depends names a development package: $depends"
    fi

    same_files "$(dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { print $6 }' | sed 's|^\./usr/||' | sort)" "the package"

    root=$build/packaging/deb-test
    rm -rf "$root"
    dpkg-deb -x "$deb" "$root"
    shown=$("$root/usr/bin/ferricalc-cli" ring A=10 B=6 h=4 | head -n 1)
    [ "$shown" = "C1 3.07501" ] || fail "the packaged ferricalc-cli printed '$shown'"
    grep -qx "License: Expat" "$root/usr/share/doc/ferricalc/copyright" || fail "the package's copyright is not MIT"
    rm -rf "$root"
}

case "$mode" in
    metadata) check_metadata ;;
    install) check_install ;;
    deb) check_deb ;;
    *) echo "unknown mode $mode" >&2; exit 2 ;;
esac

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
