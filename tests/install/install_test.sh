#!/usr/bin/env bash
# Installs Polyskop into a temporary prefix and checks what a desktop and the program need there:
# the files in their places, a valid .desktop file and metainfo, and the manual viewer, the
# manual and the Kurvendiskussion's window found by a program in the installed bin folder (polyskop-scenario put beside the
# installed polyskop).
# Usage: install_test.sh BUILD_DIR SCENARIO_PROGRAM
set -euo pipefail
build=$1
scenario=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/polyskop lib/polyskop/libpolyskop_manual_viewer.so lib/polyskop/libpolyskop_discussion.so \
         share/polyskop/Polyskop.pdf share/applications/org.polyskop.polyskop.desktop \
         share/icons/hicolor/scalable/apps/polyskop.svg \
         share/metainfo/org.polyskop.polyskop.metainfo.xml \
         share/doc/polyskop/copyright share/doc/polyskop/changelog.gz \
         share/man/man1/polyskop.1.gz share/man/de/man1/polyskop.1.gz; do
  [ -f "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# The documentation directory is the package's name; the licence's terms are in its copyright.
[ ! -e "$prefix/share/doc/Polyskop" ] || { echo "documentation in share/doc/Polyskop"; exit 1; }
gzip -t "$prefix/share/doc/polyskop/changelog.gz" "$prefix"/share/man/*/polyskop.1.gz \
  "$prefix"/share/man/de/man1/polyskop.1.gz
desktop-file-validate "$prefix/share/applications/org.polyskop.polyskop.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.polyskop.polyskop.metainfo.xml"

cp "$scenario" "$prefix/bin/"
cat > "$prefix/manual.scn" <<'SCN'
click btHilfe
expect WebBrowser1.visible "yes"
expect lblHinweis.visible "no"
key txtA F5
expect txtKurvendiskussion.visible "yes"
SCN
QT_QPA_PLATFORM=offscreen "$prefix/bin/$(basename "$scenario")" "$prefix/manual.scn"

# Without the viewer library the program still starts; Hilfe says what is missing.
rm "$prefix/lib/polyskop/libpolyskop_manual_viewer.so"
cat > "$prefix/noviewer.scn" <<'SCN'
click btHilfe
expect message stop "Hilfe zu Polyskop" "Das Handbuch kann nicht angezeigt werden: Die Bibliothek libpolyskop_manual_viewer.so fehlt neben dem Programm und in ../lib/polyskop."
expect windows " Polyskop für Funktionen bis 4. Grades und ihre grafische Darstellung"
SCN
QT_QPA_PLATFORM=offscreen "$prefix/bin/$(basename "$scenario")" "$prefix/noviewer.scn"

# Nor without the Kurvendiskussion's library.
rm "$prefix/lib/polyskop/libpolyskop_discussion.so"
cat > "$prefix/nodiscussion.scn" <<'SCN'
key txtA F5
expect message stop "Polyskop" "Die Kurvendiskussion kann nicht angezeigt werden: Die Bibliothek libpolyskop_discussion.so fehlt neben dem Programm und in ../lib/polyskop."
expect windows " Polyskop für Funktionen bis 4. Grades und ihre grafische Darstellung"
SCN
QT_QPA_PLATFORM=offscreen "$prefix/bin/$(basename "$scenario")" "$prefix/nodiscussion.scn"
