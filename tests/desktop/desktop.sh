#!/bin/bash
# desktop.sh wayland|x11|zweitstart <program folder> <plugin folder> <desktop file> <desktop id> <shots folder>
#
# Plays the machine on a desktop of its own, weston's headless backend or Xvfb: the remote control
# plugin answers the message boxes, puts 20 Cent in and presses Esc after one game, while a
# screenshot is taken every second. Then it checks that the window names its menu entry (the
# Wayland app id is the desktop file's id, the X11 window class its StartupWMClass), that every
# message box was a dialog of the machine's window, and that the game was played and logged.
# zweitstart: X11 with openbox, where the plugin starts a second copy while the discs turn; the
# running machine must tell the player itself, and its game must stay valid.
# Exit code 77: the display server is not installed (skipped, except in CI).
set -euo pipefail
Modus=$1 Programmordner=$2 Plugins=$3 Desktopdatei=$4 Kennung=$5 Bilder=$6

fehlt() {
    echo "$1 fehlt"
    [ "${CI:-}" = true ] && exit 1
    exit 77
}
Qtplugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if [ "$Modus" = wayland ]; then
    command -v weston >/dev/null && command -v weston-screenshooter >/dev/null || fehlt weston
    [ -e "$Qtplugins/platforms/libqwayland-generic.so" ] || fehlt qt6-wayland
else
    command -v Xvfb >/dev/null && command -v xprop >/dev/null || fehlt "Xvfb oder xprop"
    [ "$Modus" = x11 ] || command -v openbox >/dev/null || fehlt openbox
fi

Arbeit=$(mktemp -d)
Prozesse=()
aufraeumen() {
    for p in "${Prozesse[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "${BEHALTEN:-}" ] || rm -rf "$Arbeit"
}
trap aufraeumen EXIT
mkdir -m 700 "$Arbeit/laufzeit"
mkdir -p "$Arbeit/programm" "$Arbeit/bild" "$Bilder"
rm -f "$Bilder"/*.png
# A folder of its own, which the machine writes its settings and its log into; started as the
# package's command is, through a link named vorlix. The settings are the first ones the build
# puts there, not those of the build folder, which a game played by hand may have changed.
cp "$Programmordner"/{Vorlix,Vorlix-Hilfe.pdf,*.WAV} "$Arbeit/programm/"
cmake -DZIEL="$Arbeit/programm/Vorlix.ini" -P "$(dirname "$0")/../../core/ErsteEinstellungen.cmake"
ln -s Vorlix "$Arbeit/programm/vorlix"

if [ "$Modus" = wayland ]; then
    XDG_RUNTIME_DIR="$Arbeit/laufzeit" weston --backend=headless-backend.so --use-pixman \
        --width=1920 --height=1080 --socket=vorlix --idle-time=0 --no-config --debug \
        --log="$Arbeit/weston.log" &
    Prozesse+=($!)
    for _ in $(seq 100); do [ -S "$Arbeit/laufzeit/vorlix" ] && break; sleep 0.1; done
    Anzeige=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=vorlix WAYLAND_DEBUG=client)
    bild() {
        (cd "$Arbeit/bild" && XDG_RUNTIME_DIR="$Arbeit/laufzeit" WAYLAND_DISPLAY=vorlix \
            timeout 10 weston-screenshooter >/dev/null 2>&1) &&
            mv "$Arbeit"/bild/*.png "$Bilder/$1.png" 2>/dev/null || true
    }
else
    Xvfb -displayfd 3 -screen 0 1920x1080x24 3>"$Arbeit/anzeige" 2>/dev/null &
    Prozesse+=($!)
    for _ in $(seq 100); do [ -s "$Arbeit/anzeige" ] && break; sleep 0.1; done
    Nummer=:$(cat "$Arbeit/anzeige")
    Anzeige=(QT_QPA_PLATFORM=xcb DISPLAY=$Nummer)
    [ "$Modus" = x11 ] || { DISPLAY=$Nummer openbox --sm-disable & Prozesse+=($!); sleep 1; }
    bild() {
        command -v import >/dev/null && import -display "$Nummer" -window root "$Bilder/$1.png" || true
        xprop -display "$Nummer" -name "Vorlix - 5.0" WM_CLASS >>"$Arbeit/fensterklasse" 2>/dev/null || true
    }
fi

[ "$Modus" = zweitstart ] && Art=zweitstart || Art=spiel
# No sound server: the start-up sound finds no device and the machine says so in a message box.
(cd "$Arbeit/programm" && exec env -u PULSE_SERVER -u DISPLAY -u WAYLAND_DISPLAY "${Anzeige[@]}" \
    XDG_RUNTIME_DIR="$Arbeit/laufzeit" XDG_CONFIG_HOME="$Arbeit/config" \
    XDG_DATA_HOME="$Arbeit/daten" XDG_STATE_HOME="$Arbeit/zustand" QT_PLUGIN_PATH="$Plugins" \
    QT_QPA_GENERIC_PLUGINS=vorlixfernbedienung:$Art timeout 120 ./vorlix) \
    >"$Arbeit/ausgabe" 2>"$Arbeit/protokoll" &
Maschine=$!
Prozesse+=($Maschine)
Nr=0
while kill -0 $Maschine 2>/dev/null; do
    sleep 1
    bild "$(printf '%03d' $Nr)"
    Nr=$((Nr + 1))
done
Ergebnis=0
wait $Maschine || Ergebnis=$?

scheitere() {
    echo "$1"
    cat "$Arbeit/ausgabe"
    tail -n 20 "$Arbeit/protokoll"
    exit 1
}
[ $Ergebnis -eq 0 ] || scheitere "Die Maschine endete mit $Ergebnis"
grep -Eq "Euro (verspielt|gewonnen)!" "$Arbeit"/programm/*.txt 2>/dev/null ||
    scheitere "Keine Auswertung gespeichert"
LC_ALL=C grep -aq "Kein Name.*0,2 Euro" "$Arbeit"/programm/*.txt || scheitere "Keine Einzahlung in der Auswertung"
ls "$Bilder"/*.png >/dev/null 2>&1 || [ "$Modus" != wayland ] || scheitere "Kein Bildschirmfoto"
if [ "$Modus" = zweitstart ]; then
    grep -q '^Zweite Kopie 0$' "$Arbeit/ausgabe" || scheitere "Die zweite Kopie endete nicht"
    grep -q '^Meldung Vorlix läuft bereits\.' "$Arbeit/ausgabe" || scheitere "Kein Hinweis im Fenster"
    ! grep -Eaq "(Programm|Vorlix) wurde deaktiviert" "$Arbeit/ausgabe" "$Arbeit"/programm/*.txt || scheitere "Spiel ungültig"
fi

if [ "$Modus" = wayland ]; then
    Ids=$(grep -o 'set_app_id("[^"]*")' "$Arbeit/protokoll" | sort -u)
    [ "$Ids" = "set_app_id(\"$Kennung\")" ] || scheitere "App-Id: $Ids statt $Kennung"
    echo "App-Id $Kennung"
    # Every other toplevel (the message boxes) is a dialog of a window titled like the machine.
    awk '/get_toplevel\(new id xdg_toplevel@/ {
             match($0, /xdg_toplevel@[0-9]+\)/); Eltern[substr($0, RSTART, RLENGTH - 1)] = "" }
         /xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@/ {
             match($0, /xdg_toplevel@[0-9]+\.set_parent/); Kind = substr($0, RSTART, RLENGTH - 11)
             match($0, /set_parent\(xdg_toplevel@[0-9]+/); Eltern[Kind] = substr($0, RSTART + 11, RLENGTH - 11) }
         /xdg_toplevel@[0-9]+\.set_title\(/ {
             match($0, /xdg_toplevel@[0-9]+/); Fenster = substr($0, RSTART, RLENGTH)
             if ($0 ~ /set_title\("Vorlix - 5.0"\)/) Maschine[Fenster] = 1
             else if (Eltern[Fenster] in Maschine) Dialoge++
             else { print "ohne Eltern: " $0; Fehler++ } }
         END { if (Fehler || !Dialoge) exit 1; print Dialoge " Meldungen als Dialoge der Maschine" }' \
        "$Arbeit/protokoll" || scheitere "Meldung ohne die Maschine als Eltern"
else
    Klasse=$(grep -o '"[^"]*"$' "$Arbeit/fensterklasse" | head -n 1 | tr -d '"')
    Eintrag=$(sed -n 's/^StartupWMClass=//p' "$Desktopdatei")
    [ -n "$Klasse" ] && [ "$Klasse" = "$Eintrag" ] ||
        scheitere "Fensterklasse \"$Klasse\", StartupWMClass \"$Eintrag\""
    echo "Fensterklasse $Klasse"
fi
echo "gespielt unter $Modus"
