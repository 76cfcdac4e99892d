#!/bin/sh
# Installs a build into a temporary prefix and checks that every installed file is in place
# and usable; with CHECK_PACKAGE 1 it also builds the Debian package and holds it to lintian.
# Usage: check_install.sh CMAKE CPACK SOURCE_DIR BUILD_DIR VERSION EXPECT_GUI(0|1) CHECK_PACKAGE(0|1)
set -u
cmake_bin=$1
cpack_bin=$2
source_dir=$3
build_dir=$4
version=$5
expect_gui=$6
check_package=$7

prefix=$(mktemp -d)
package_dir=$(mktemp -d)
gui_pid=""
cleanup() {
    if [ -n "$gui_pid" ]; then kill "$gui_pid" 2>/dev/null; wait "$gui_pid" 2>/dev/null; fi
    rm -rf "$prefix" "$package_dir"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
check() { # description, command...
    what=$1; shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

if ! "$cmake_bin" --install "$build_dir" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"; rm -f "$prefix.log"
    echo "FAIL: cmake --install"; exit 1
fi
rm -f "$prefix.log"

png_size() { # prints "WIDTH HEIGHT" from the IHDR chunk
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}
is_png_of_size() { # file, size
    [ -f "$1" ] && [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = "89504e470d0a1a0a" ] &&
        [ "$(png_size "$1")" = "$2 $2" ]
}

# Command-line tool, its table and manual page.
cli="$prefix/bin/glyphforge"
check "bin/glyphforge is executable" test -x "$cli"
check "share/glyphforgetool/glyphforgetool.ini is the shipped table" \
    cmp -s "$prefix/share/glyphforgetool/glyphforgetool.ini" "$source_dir/data/glyphforgetool.ini"
version_text=$("$cli" --version 2>&1)
check "glyphforge --version prints $version (got \"$version_text\")" test "$version_text" = "glyphforge $version"
check "glyphforge --help succeeds" sh -c '"$1" --help >/dev/null' sh "$cli"

check_manual() { # name
    manual="$prefix/share/man/man1/$1.1.gz"
    check "share/man/man1/$1.1.gz is a compressed manual page" sh -c 'gzip -dc "$1" | grep -q "^\.TH "' sh "$manual"
    if command -v groff >/dev/null 2>&1; then
        warnings=$(gzip -dc "$manual" | groff -man -z -ww 2>&1)
        check "$1 manual page renders without warnings${warnings:+: $warnings}" test -z "$warnings"
    else
        echo "skip: groff is not installed"
    fi
}
check_manual glyphforge

# Qt's imaging is loaded only by the commands that need it, from the picture module.
check "glyphforge starts without Qt's imaging" sh -c '! objdump -p "$1" | grep -q "NEEDED.*libQt6Gui"' sh "$cli"
check "lib/glyphforgetool/modules/glyphforge-pictures.so is installed" \
    test -f "$prefix/lib/glyphforgetool/modules/glyphforge-pictures.so"
check "glyphforge converts a font to a strip BMP through the installed module" \
    sh -c '"$1" convert "$2" "$3" >/dev/null && [ "$(head -c 2 "$3")" = BM ]' \
    sh "$cli" "$source_dir/tests/data/golden/dejavu_sans_16_western.mtf" "$prefix/strip.bmp"
rm -f "$prefix/strip.bmp"

if [ "$expect_gui" != 1 ]; then
    echo "skip: the GUI is not part of this build"
else
    check_manual glyphforgetool
    app_dir="$prefix/lib/glyphforgetool"
    link="$prefix/bin/glyphforgetool"
    check "lib/glyphforgetool/glyphforgetool is executable" test -x "$app_dir/glyphforgetool"
    check "lib/glyphforgetool/glyphforgetool.ini is the shipped table" \
        cmp -s "$app_dir/glyphforgetool.ini" "$source_dir/data/glyphforgetool.ini"
    check "bin/glyphforgetool is a symbolic link" test -L "$link"
    case $(readlink "$link") in
        /*) fail "bin/glyphforgetool links to an absolute path: $(readlink "$link")" ;;
        *) pass "bin/glyphforgetool links relatively" ;;
    esac
    check "bin/glyphforgetool resolves to the real program" \
        test "$(readlink -f "$link")" = "$(readlink -f "$app_dir/glyphforgetool")"

    # The program finds its table beside /proc/self/exe; started through the link, that
    # must be the real executable. It must also stay up until it is stopped.
    QT_QPA_PLATFORM=offscreen "$link" >/dev/null 2>&1 &
    gui_pid=$!
    sleep 2
    if kill -0 "$gui_pid" 2>/dev/null; then
        pass "glyphforgetool starts through the link"
        check "the started program's executable is the one beside its table" \
            test "$(readlink "/proc/$gui_pid/exe")" = "$(readlink -f "$app_dir/glyphforgetool")"
    else
        wait "$gui_pid"; fail "glyphforgetool ended at start (exit code $?)"
    fi
    kill "$gui_pid" 2>/dev/null; wait "$gui_pid" 2>/dev/null; gui_pid=""

    for ts in "$source_dir"/translations/*.ts; do
        qm="share/glyphforgetool/translations/$(basename "$ts" .ts).qm"
        check "$qm is a compiled translation" sh -c '[ "$(od -An -tx1 -N4 "$1" | tr -d " ")" = 3cb86418 ]' sh "$prefix/$qm"
    done

    desktop="$prefix/share/applications/glyphforgetool.desktop"
    check "desktop entry exists" test -s "$desktop"
    check "desktop entry starts glyphforgetool" grep -qx 'Exec=glyphforgetool' "$desktop"
    check "desktop entry names the icon" grep -qx 'Icon=glyphforgetool' "$desktop"
    if command -v desktop-file-validate >/dev/null 2>&1; then
        # Hints (two main categories is one) are advice; errors and warnings are not.
        if report=$(desktop-file-validate "$desktop" 2>&1) &&
            ! printf '%s\n' "$report" | grep -q -e 'error:' -e 'warning:'; then
            pass "desktop entry validates"
        else
            fail "desktop entry validates: $report"
        fi
    else
        echo "skip: desktop-file-validate is not installed"
    fi

    for size in 16 32 48 64 128 256; do
        check "${size}x${size} icon is a ${size}x${size} PNG" \
            is_png_of_size "$prefix/share/icons/hicolor/${size}x${size}/apps/glyphforgetool.png" "$size"
    done
    check "scalable icon is an SVG" \
        grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/glyphforgetool.svg"
fi

doc="$prefix/share/doc/glyphforgetool"
check "the package's copyright file is in place" grep -q '^Copyright: ' "$doc/copyright"
changelog_version=$(gzip -dc "$doc/changelog.gz" 2>/dev/null | sed -n '1s/^glyphforgetool (\([^)]*\)).*/\1/p')
check "the changelog's latest entry is version $version (got \"$changelog_version\")" \
    test "$changelog_version" = "$version"

# The Debian package, held to Debian's rules. Sanitizer builds make no package worth checking.
if [ "$check_package" != 1 ]; then
    echo "skip: the package is checked in plain builds only"
elif ! command -v lintian >/dev/null 2>&1; then
    echo "skip: lintian is not installed"
elif ! "$cpack_bin" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$package_dir" >"$package_dir.log" 2>&1; then
    cat "$package_dir.log"; fail "cpack makes the Debian package"
else
    package="$package_dir/glyphforgetool_${version}_$(dpkg --print-architecture).deb"
    check "cpack makes $(basename "$package")" test -s "$package"
    # Errors and warnings fail; informational tags are advice.
    report=$(lintian "$package" 2>&1 | grep -e '^E: ' -e '^W: ')
    check "lintian finds no error or warning${report:+:
$report}" test -z "$report"
fi
rm -f "$package_dir.log"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"; exit 1
fi
echo "all installed files are in place"
