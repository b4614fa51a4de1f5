#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs:
# the programs, the desktop entry, the icon, the AppStream data, the file
# types and the manual pages, each with the validator of its format.
#   install_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

failures=0
fail() { echo "BŁĄD: $*" >&2; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli xmllint update-mime-database groff identify; do
  command -v "$tool" >/dev/null || { echo "brak narzędzia $tool (scripts/install-deps.sh je instaluje)" >&2; exit 1; }
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

app=example.lorqa.Lorqa
share=$prefix/share
expected=(
  bin/lorqa bin/lorqa-cli
  share/applications/$app.desktop
  share/metainfo/$app.metainfo.xml
  share/mime/packages/lorqa.xml
  share/icons/hicolor/scalable/apps/lorqa.svg
  share/man/man1/lorqa.1 share/man/man1/lorqa-cli.1
  share/lorqa/examples/deklaracja-do-zaplaty.vat
)
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || fail "nie zainstalowano $f"
done
for f in bin/lorqa bin/lorqa-cli; do
  [ -x "$prefix/$f" ] || fail "$f nie jest wykonywalny"
done

# Every pixel size is there, with its size.
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/lorqa.png
  if [ ! -f "$png" ]; then
    fail "brak ikony ${size}x${size}"
  elif [ "$(identify -format '%m %wx%h' "$png")" != "PNG ${size}x${size}" ]; then
    fail "ikona ${size}x${size} ma $(identify -format '%m %wx%h' "$png")"
  fi
done

desktop=$share/applications/$app.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate odrzuca $app.desktop"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ -n "$(entry 'Name\[pl\]')" ] || fail "wpis nie ma polskiej nazwy"
[ -n "$(entry 'Comment\[pl\]')" ] || fail "wpis nie ma polskiego opisu"
[[ "$(entry Categories)" == *"Office;"*"Finance;"* ]] || fail "kategorie: $(entry Categories)"
[[ "$(entry Exec)" == "lorqa %f" ]] || fail "Exec: $(entry Exec)"
[ -f "$share/icons/hicolor/scalable/apps/$(entry Icon).svg" ] || fail "ikona $(entry Icon) nie jest zainstalowana"
for type in application/x-lorqa-vat application/x-lorqa-dane; do
  [[ "$(entry MimeType)" == *"$type;"* ]] || fail "wpis nie otwiera $type"
done

metainfo=$share/metainfo/$app.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli odrzuca metainfo"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" || fail "metainfo nie wskazuje wpisu"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo nie ma wersji $version"
grep -q '<p xml:lang="pl">' "$metainfo" || fail "metainfo nie ma polskiego opisu"
grep -q '<screenshot' "$metainfo" || fail "metainfo nie ma zrzutów ekranu"

mime=$share/mime/packages/lorqa.xml
xmllint --noout "$mime" || fail "xmllint odrzuca lorqa.xml"
# The file types are what the desktop's database makes of them.
XDG_DATA_DIRS=$share update-mime-database "$share/mime"
grep -q '^application/x-lorqa-vat:\*\.vat$' "$share/mime/globs" || fail "*.vat nie jest deklaracją"
grep -q '^application/x-lorqa-dane:\*\.dane$' "$share/mime/globs" || fail "*.dane nie są danymi"
grep -aq '\[dane\]' "$share/mime/magic" || fail "pierwszy wiersz [dane] nie rozpoznaje deklaracji"
grep -q 'Deklaracja VAT' "$share/mime/application/x-lorqa-vat.xml" || fail "typ deklaracji bez polskiej nazwy"

for page in lorqa lorqa-cli; do
  man=$share/man/man1/$page.1
  warnings=$(LC_ALL=C.UTF-8 groff -man -K utf8 -Tutf8 -ww -z "$man" 2>&1) || fail "groff nie składa $page.1"
  [ -z "$warnings" ] || fail "$page.1: $warnings"
  grep -q "Lorqa $version" "$man" || fail "$page.1 nie podaje wersji $version"
done

# The installed programs run and tell the one version.
[ "$("$prefix/bin/lorqa" --version)" = "lorqa $version" ] || fail "lorqa --version: $("$prefix/bin/lorqa" --version)"
[ "$("$prefix/bin/lorqa-cli" --version)" = "lorqa-cli $version" ] || fail "lorqa-cli --version"
"$prefix/bin/lorqa-cli" check "$prefix/share/lorqa/examples/deklaracja-do-zaplaty.vat" >/dev/null \
  || fail "zainstalowany lorqa-cli nie sprawdza przykładu"

if [ "$failures" -ne 0 ]; then
  echo "$failures błędów" >&2
  exit 1
fi
echo "instalacja w porządku"
