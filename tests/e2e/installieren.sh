#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that program, help file, icons, menu
# entry and AppStream metadata stand where the desktop looks for them and pass their
# validators; then builds the Debian package, checks its contents and dependencies, and lets
# lintian check it with its overrides ignored: any error fails.
set -euo pipefail
bau=$1
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
id=de.vorlix.turnierquarel

cmake --install "$bau" --prefix "$ziel/usr" >/dev/null
erwartet=(
    usr/bin/vorlix
    usr/share/vorlix/Vorlix_Turnier-Hilfe.chm
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/doc/vorlix/copyright
    usr/share/doc/vorlix/changelog.gz
    usr/share/man/man1/vorlix.1.gz
)
for groesse in 16 24 32 48 64 128 256; do
    erwartet+=("usr/share/icons/hicolor/${groesse}x${groesse}/apps/$id.png")
done
for datei in "${erwartet[@]}"; do
    [[ -s "$ziel/$datei" ]] || { echo "Fehlt nach der Installation: $datei"; exit 1; }
done
[[ -x "$ziel/usr/bin/vorlix" ]] || { echo "Programm nicht ausführbar"; exit 1; }
# Sound and printing are modules the program loads from the library folder's "vorlix".
for modul in vorlix_ton vorlix_druck; do
    find "$ziel/usr/lib" -path "*/vorlix/$modul.so" | grep -q . || { echo "Modul fehlt: $modul"; exit 1; }
done
groesse=$(identify -format '%wx%h' "$ziel/usr/share/icons/hicolor/48x48/apps/$id.png")
[[ $groesse == 48x48 ]] || { echo "Symbol 48x48 hat $groesse"; exit 1; }

desktop-file-validate "$ziel/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --strict "$ziel/usr/share/metainfo/$id.metainfo.xml"
grep -q '^Categories=Game;Sports;' "$ziel/usr/share/applications/$id.desktop"
zgrep -q '^\.SH BESCHREIBUNG' "$ziel/usr/share/man/man1/vorlix.1.gz" || { echo "Handbuchseite nicht deutsch"; exit 1; }

(cd "$bau" && cpack -G DEB -B "$ziel/paket" >/dev/null)
paket=$(ls "$ziel"/paket/vorlix_*.deb)
inhalt=$(dpkg-deb -c "$paket")
for datei in "${erwartet[@]}"; do
    grep -q " ./$datei\$" <<<"$inhalt" || { echo "Fehlt im Paket: $datei"; exit 1; }
done
for modul in vorlix_ton vorlix_druck; do
    grep -q "/vorlix/$modul.so\$" <<<"$inhalt" || { echo "Modul fehlt im Paket: $modul"; exit 1; }
done
abhaengig=$(dpkg-deb -f "$paket" Depends)
for paket_name in libchm1 libqt6widgets6 libqt6gui6 fonts-dejavu-core fonts-liberation2; do
    grep -q "$paket_name" <<<"$abhaengig" || { echo "Abhängigkeit fehlt: $paket_name ($abhaengig)"; exit 1; }
done
# Errors fail; warnings and notes are shown.
lintian --no-override --fail-on error --display-level '>=warning' "$paket"
echo "Installation und Paket geprüft: $(basename "$paket")"
