#!/usr/bin/env bash
# Installs the Debian packages of debian-pakete.txt that are missing; apt-get runs only when needed.
set -euo pipefail
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fehlend=()
while read -r paket; do
    [[ -z "$paket" || "$paket" == \#* ]] && continue
    status=$(dpkg-query -W -f='${Status}' "$paket" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || fehlend+=("$paket")
done < "$wurzel/debian-pakete.txt"
if ((${#fehlend[@]})); then
    echo "== Installiere fehlende Pakete: ${fehlend[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
else
    echo "== Alle Pakete vorhanden"
fi
