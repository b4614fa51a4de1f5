#!/usr/bin/env bash
# Builds the Debian package with cpack and checks its control data and files.
#   deb_check.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "brak narzędzia $tool: pakiet Debiana nie jest sprawdzany"
    exit 77
  fi
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; exit 1; }
deb=$(ls "$out"/lorqa_"$version"_*.deb)

failures=0
fail() { echo "BŁĄD: $*" >&2; failures=$((failures + 1)); }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = lorqa ] || fail "nazwa pakietu $(field Package)"
[ "$(field Version)" = "$version" ] || fail "wersja pakietu $(field Version)"
depends=$(field Depends)
# What the programs link, found by dpkg-shlibdeps, and what they load at run time.
for needed in libqt6widgets6 libqt6printsupport6 libqt6svg6 libqt6gui6 libqt6core6 libstdc++6 \
              fonts-liberation qt6-translations-l10n; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "zależności nie zawierają $needed: $depends"
done

files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in ./usr/bin/lorqa ./usr/bin/lorqa-cli \
         ./usr/share/applications/example.lorqa.Lorqa.desktop \
         ./usr/share/metainfo/example.lorqa.Lorqa.metainfo.xml \
         ./usr/share/mime/packages/lorqa.xml \
         ./usr/share/icons/hicolor/48x48/apps/lorqa.png \
         ./usr/share/icons/hicolor/scalable/apps/lorqa.svg \
         ./usr/share/man/man1/lorqa.1 ./usr/share/man/man1/lorqa-cli.1; do
  grep -qxF "$f" <<<"$files" || fail "pakiet nie zawiera $f"
done
# Nothing of the build's own folders, and no test programs.
if grep -q -e '/build' -e '_test$' <<<"$files"; then
  fail "pakiet zawiera pliki kompilacji: $(grep -e '/build' -e '_test$' <<<"$files" | head -3)"
fi

[ "$failures" -eq 0 ] || exit 1
echo "pakiet $(basename "$deb") w porządku"
