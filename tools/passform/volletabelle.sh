#!/bin/bash
# volletabelle.sh <build folder> <shots folder> [wayland|x11 ...]
#
# The whole table of screens and stored factors, under each window manager: every screen with
# no stored factor (a first start) and with 83, 100, 107, 111, 113 and 120, each grown by
# "Größer" until the dialog refuses and shrunk by "Kleiner" until it refuses, and started again
# after each. Takes hours; SCHIRME and FAKTOREN narrow it down, e.g.
#   SCHIRME="1366x768 1920x1080" FAKTOREN="- 120" tools/passform/volletabelle.sh build /tmp/bilder
# Writes one table per window manager (tabelle-<wm>.md) beside the shots.
set -uo pipefail
set -f # the screens hold a "*" for the scale
Bau=$(realpath "$1") Bilder=$(realpath -m "$2")
shift 2
Modi=("${@:-x11 wayland}")
read -r -a Modi <<<"${Modi[*]}"
Schirme=${SCHIRME:-"1366x768 1600x900 1920x1080 2560x1440 3840x2160 1080x1920 3840x2160*2"}
Faktoren=${FAKTOREN:-"- 83 100 107 111 113 120"}
mkdir -p "$Bilder"
Ergebnis=0
for Modus in "${Modi[@]}"; do
    Faelle=()
    for Schirm in $Schirme; do
        for Faktor in $Faktoren; do
            Faelle+=("$Schirm:$Faktor:G" "$Schirm:$Faktor:K")
        done
    done
    bash "$(dirname "$0")/passform.sh" "$Modus" "$Bau/bin" "$Bau/tools/fernbedienung/plugins" \
        "$Bilder/$Modus" "${Faelle[@]}" | tee "$Bilder/tabelle-$Modus.md" || Ergebnis=1
done
exit $Ergebnis
