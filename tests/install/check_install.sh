#!/usr/bin/env bash
# Usage: check_install.sh BUILD_DIR
# Installs BUILD_DIR into a temporary prefix, then checks that everything a desktop needs is in
# place and well-formed: the binary, the desktop entry, the icons, the topic file type, the help page,
# the copyright file and the AppStream entry.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" || { cat "$prefix/install.log"; exit 1; }
share=$prefix/share

for f in bin/veltrane share/applications/veltrane.desktop share/mime/packages/veltrane.xml \
         share/icons/hicolor/scalable/apps/veltrane.svg share/doc/veltrane/help.html share/doc/veltrane/copyright \
         share/metainfo/org.veltrane.Veltrane.metainfo.xml share/man/man1/veltrane.1.gz share/doc/veltrane/changelog.gz; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/veltrane" ] || fail "the binary is not executable"
"$prefix/bin/veltrane" --version | grep -q '^Veltrane ' || fail "the installed binary does not run"

# The manual page formats without warnings and documents every command.
if command -v man > /dev/null; then
    man_warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man1/veltrane.1.gz" 2>&1 > /dev/null) \
        || fail "the manual page does not format"
    [ -z "$man_warnings" ] || fail "the manual page warns: $man_warnings"
fi
for word in scores json export report uninstall; do
    zcat "$share/man/man1/veltrane.1.gz" | grep -qF -e "\\-\\-$word" -e "/$word" || fail "the manual page does not mention $word"
done

desktop-file-validate "$share/applications/veltrane.desktop" || fail "desktop entry does not validate"
grep -qx 'MimeType=application/x-veltrane-topic;' "$share/applications/veltrane.desktop" \
    || fail "desktop entry does not open topic files"
grep -qx 'Icon=veltrane' "$share/applications/veltrane.desktop" || fail "desktop entry names another icon"

xml_ok() {
    if command -v xmllint > /dev/null; then
        xmllint --noout "$1"
    else # no validator: at least the declaration and a closing root element
        head -c 5 "$1" | grep -q '<?xml' && tail -n 1 "$1" | grep -q '</'
    fi
}
xml_ok "$share/mime/packages/veltrane.xml" || fail "MIME type file is not well-formed XML"
xml_ok "$share/icons/hicolor/scalable/apps/veltrane.svg" || fail "SVG icon is not well-formed XML"
grep -q 'type="application/x-veltrane-topic"' "$share/mime/packages/veltrane.xml" || fail "MIME type missing"
grep -q 'pattern="\*.vtp"' "$share/mime/packages/veltrane.xml" || fail "*.vtp glob missing"
if command -v xmllint > /dev/null; then
    xmllint --html --noout "$share/doc/veltrane/help.html" || fail "help page does not parse"
fi

if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$share/metainfo/org.veltrane.Veltrane.metainfo.xml" > "$prefix/appstream.log" \
        || { cat "$prefix/appstream.log"; fail "AppStream entry does not validate"; }
fi

# The MIME database built from our package knows the type and its extension.
if command -v update-mime-database > /dev/null; then
    grep -qx '50:application/x-veltrane-topic:\*.vtp' "$share/mime/globs2" \
        || fail "update-mime-database did not register *.vtp"
fi

for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/veltrane.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "icon $png: $(file -b "$png" 2>&1)"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installation checks passed"
