#!/bin/bash
# passform.sh wayland|x11 <program folder> <plugin folder> <shots folder> <case>...
#
# Starts the real machine on a screen of its own under a real window manager (Xvfb with openbox,
# or weston's headless backend) and lets the measuring plugin report, after the start and after
# each step of the size dialog, whether the window is maximised and the face and the money panel
# lie in the work area. A case is <width>x<height>[*<scale>][+<panel>]:<stored factor or ->:<steps>,
# steps as the plugin takes them (g/k one "Größer"/"Kleiner", G/K until refused, l: the panel goes
# up, or down again); a case with size steps is started a second time to see the stored size. On X11,
# +<panel> puts a desktop panel that many pixels high along the screen's bottom edge (+<panel>r: that
# wide along its right edge), as a dock reserves it (_NET_WM_STRUT_PARTIAL): from the start, or
# with the first step l; weston's shell has a panel of its own. One screenshot per measurement goes to the shots
# folder (taken by the plugin on X11, by weston on Wayland), and one table row per measurement to standard output. Exit code 1 if a row failed,
# 77 if the display server is missing (except in CI).
set -euo pipefail
Modus=$1 Programmordner=$(realpath "$2") Plugins=$(realpath "$3") Bilder=$(realpath -m "$4")
shift 4

fehlt() {
    echo "$1 fehlt"
    [ "${CI:-}" = true ] && exit 1
    exit 77
}
if [ "$Modus" = wayland ]; then
    command -v weston >/dev/null && command -v weston-screenshooter >/dev/null || fehlt weston
else
    for Werkzeug in Xvfb openbox xprop xmessage xwininfo; do
        command -v $Werkzeug >/dev/null || fehlt "$Werkzeug"
    done
fi

Arbeit=$(mktemp -d)
Prozesse=()
beende_anzeige() {
    for p in "${Prozesse[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${Prozesse[@]}"; do wait "$p" 2>/dev/null || true; done
    Prozesse=()
}
aufraeumen() {
    beende_anzeige
    [ -n "${BEHALTEN:-}" ] || rm -rf "$Arbeit"
}
trap aufraeumen EXIT
mkdir -p "$Bilder"

# Xvfb with openbox; false when openbox does not hold the display a moment after it came up (it
# has been seen to end at once on a crowded machine), and both are ended again.
starte_x11() { # <width> <height>
    # The number of the last display must not be read as this one's.
    rm -f "$Arbeit/anzeige" "$Arbeit/openbox.log"
    Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" 3>"$Arbeit/anzeige" 2>/dev/null &
    local Server=$!
    for _ in $(seq 300); do [ -s "$Arbeit/anzeige" ] && break; sleep 0.1; done
    Nummer=:$(cat "$Arbeit/anzeige")
    DISPLAY=$Nummer openbox --sm-disable >/dev/null 2>>"$Arbeit/openbox.log" &
    Fenstermanager=$!
    # On a crowded machine the window manager can take a while.
    for _ in $(seq 300); do
        xprop -display "$Nummer" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep window >/dev/null && break
        sleep 0.1
    done
    sleep 0.5
    if kill -0 "$Fenstermanager" 2>/dev/null; then
        Prozesse+=("$Server" "$Fenstermanager")
        return 0
    fi
    echo "openbox endete: $(cat "$Arbeit/openbox.log")" >>"$Arbeit/protokoll"
    kill "$Server" 2>/dev/null || true
    wait "$Server" "$Fenstermanager" 2>/dev/null || true
    return 1
}

starte_anzeige() { # <width> <height> <scale>
    rm -rf "$Arbeit/laufzeit" && mkdir -m 700 "$Arbeit/laufzeit"
    if [ "$Modus" = wayland ]; then
        XDG_RUNTIME_DIR="$Arbeit/laufzeit" weston --backend=headless-backend.so --use-pixman \
            --width="$1" --height="$2" --scale="$3" --socket=vorlix --idle-time=0 --no-config \
            --debug --log="$Arbeit/weston.log" &
        Prozesse+=($!)
        for _ in $(seq 100); do [ -S "$Arbeit/laufzeit/vorlix" ] && break; sleep 0.1; done
        Anzeige=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=vorlix)
        # The shell's panel comes a moment after the socket.
        sleep 1
    else
        for _ in 1 2 3; do starte_x11 "$1" "$2" && break; done
        Anzeige=(QT_QPA_PLATFORM=xcb DISPLAY=$Nummer)
        [ "$3" = 1 ] || Anzeige+=(QT_SCALE_FACTOR="$3")
        Leiste=
        if [ "$4" -gt 0 ]; then starte_leiste "$1" "$2" "$4"; fi
    fi
}

# A window along the bottom or the right edge that becomes the desktop's panel once it reserves its
# strip.
starte_leiste() { # <width> <height> <panel's height, or its width on the right>
    local Lage="${1}x${3}+0+$(($2 - $3))"
    Leistenmass=(0 0 0 "$3" 0 0 0 0 0 0 0 $(($1 - 1)))
    Frei=("$1" $(($2 - $3)))
    if [ "$Leistenseite" = r ]; then
        Lage="${3}x${2}+$(($1 - $3))+0"
        Leistenmass=(0 "$3" 0 0 0 0 0 $(($2 - 1)) 0 0 0 0)
        Frei=($(($1 - $3)) "$2")
    fi
    DISPLAY=$Nummer xmessage -title vorlixleiste -buttons "" -geometry "$Lage" Leiste \
        >/dev/null 2>&1 &
    Prozesse+=($!)
    for _ in $(seq 100); do
        Leiste=$(xwininfo -display "$Nummer" -name vorlixleiste 2>/dev/null |
            sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p') || true
        [ -n "$Leiste" ] && break
        sleep 0.1
    done
    [ -n "$Leiste" ] || { echo "Leiste kam nicht"; exit 1; }
    Leiste_oben=nein
}

# The panel reserves its strip, or gives it back when it holds it.
leiste_umschalten() {
    local Flaeche="0, 0, ${Frei[0]}, ${Frei[1]}"
    if [ "$Leiste_oben" = ja ]; then
        xprop -display "$Nummer" -id "$Leiste" -remove _NET_WM_STRUT_PARTIAL
        xprop -display "$Nummer" -id "$Leiste" -remove _NET_WM_STRUT
        Leiste_oben=nein Flaeche="0, 0, $Breite, $Hoehe"
    else
        xprop -display "$Nummer" -id "$Leiste" -f _NET_WM_STRUT_PARTIAL 32c \
            -set _NET_WM_STRUT_PARTIAL "$(IFS=,; echo "${Leistenmass[*]}")"
        xprop -display "$Nummer" -id "$Leiste" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT \
            "$(IFS=,; echo "${Leistenmass[*]:0:4}")"
        Leiste_oben=ja
    fi
    # The window manager has taken the strip, or given it back, once the work area shows it.
    for _ in $(seq 50); do
        xprop -display "$Nummer" -root _NET_WORKAREA | grep -q "= $Flaeche\b" && break
        sleep 0.1
    done
}

bild() {
    if [ "$Modus" = wayland ]; then
        rm -f "$Arbeit"/bild/*.png
        (cd "$Arbeit/bild" && XDG_RUNTIME_DIR="$Arbeit/laufzeit" WAYLAND_DISPLAY=vorlix \
            timeout 10 weston-screenshooter >/dev/null 2>&1) &&
            mv "$Arbeit"/bild/*.png "$1" 2>/dev/null || true
    else
        mv "$Arbeit/zeichen/$2.png" "$1" 2>/dev/null || true
    fi
}

Fehler=0 Zeilen=0
# A machine measured without its window manager would fail for the wrong reason: that is a failed
# row of its own, with what the window manager said.
fenstermanager_fehlt() { # <name>
    [ "$Modus" = x11 ] || return 1
    kill -0 "$Fenstermanager" 2>/dev/null &&
        xprop -display "$Nummer" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep window >/dev/null &&
        return 1
    echo "| $Modus | $Fall | - | $1 | FEHLER | openbox läuft nicht: $(tail -n 3 "$Arbeit/openbox.log" | tr '\n' ' ') | - |"
    Zeilen=$((Zeilen + 1)) Fehler=$((Fehler + 1))
}

lauf() { # <name> <steps>
    fenstermanager_fehlt "$1" && return
    rm -rf "$Arbeit/zeichen" && mkdir -p "$Arbeit/zeichen" "$Arbeit/bild"
    local Vorher=$Zeilen
    while IFS= read -r Zeile; do
        if [ "$Zeile" = Leiste ]; then
            if [ -n "${Leiste:-}" ]; then leiste_umschalten; fi
            touch "$Arbeit/zeichen/leiste.fertig"
            continue
        fi
        [[ $Zeile == Fall\ * ]] || continue
        read -r _ Nr Was Urteil Rest <<<"$Zeile"
        Datei="$Bilder/$1-$Nr.png"
        bild "$Datei" "$Nr"
        touch "$Arbeit/zeichen/$Nr.fertig"
        echo "| $Modus | $Fall | $Nr | $Was | $Urteil | $Rest | $(basename "$Datei") |"
        Zeilen=$((Zeilen + 1))
        [ "$Urteil" = ok ] || Fehler=$((Fehler + 1))
    done < <(cd "$Arbeit/programm" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR \
        "${Anzeige[@]}" XDG_RUNTIME_DIR="$Arbeit/laufzeit" XDG_CONFIG_HOME="$Arbeit/config" \
        XDG_DATA_HOME="$Arbeit/daten" XDG_STATE_HOME="$Arbeit/zustand" QT_PLUGIN_PATH="$Plugins" \
        VORLIX_PASSFORM_ORDNER="$Arbeit/zeichen" \
        QT_QPA_GENERIC_PLUGINS="vorlixfernbedienung:passform:$2" timeout 300 ./vorlix \
        2>>"$Arbeit/protokoll")
    fenstermanager_fehlt "$1 (danach)" || true
    # A program that never showed its window measured nothing: that fails too.
    if [ "$Zeilen" -eq "$Vorher" ]; then
        echo "| $Modus | $Fall | - | $1 | FEHLER | keine Messung: $(tail -n 1 "$Arbeit/protokoll") | - |"
        Zeilen=$((Zeilen + 1)) Fehler=$((Fehler + 1))
    fi
}

echo "| WM | Fall | Nr | Schritt | Ergebnis | Messung | Bild |"
echo "|---|---|---|---|---|---|---|"
for Fall in "$@"; do
    IFS=: read -r Groesse Faktor Schritte <<<"$Fall"
    Leistenhoehe=0 Leistenseite=
    [[ $Groesse == *+* ]] && Leistenhoehe=${Groesse##*+} Groesse=${Groesse%+*}
    [[ $Leistenhoehe == *r ]] && Leistenhoehe=${Leistenhoehe%r} Leistenseite=r
    Breite=${Groesse%%x*} Rest=${Groesse#*x}
    Hoehe=${Rest%%\**} Skala=1
    [[ $Rest == *\** ]] && Skala=${Rest#*\*}
    Name="${Breite}x${Hoehe}-s${Skala}-l${Leistenhoehe}${Leistenseite}-f${Faktor}-${Schritte:-start}"
    rm -rf "$Arbeit/programm" "$Arbeit/config" "$Arbeit/daten" "$Arbeit/zustand"
    mkdir -p "$Arbeit/programm"
    cp "$Programmordner"/{Vorlix,Vorlix-Hilfe.pdf,*.WAV} "$Arbeit/programm/"
    ln -s Vorlix "$Arbeit/programm/vorlix"
    {
        printf '[Einstellungen]\r\nFormScalieren=1\r\nSound=0\r\n'
        [ "$Faktor" = - ] || printf 'ScaleBy=%s\r\n' "$Faktor"
    } >"$Arbeit/programm/Vorlix.ini"
    starte_anzeige "$Breite" "$Hoehe" "$Skala" "$Leistenhoehe"
    if [ -n "${Leiste:-}" ] && [[ $Schritte != *l* ]]; then leiste_umschalten; fi
    lauf "$Name" "$Schritte"
    if [[ $Schritte == *[gGkK]* ]]; then
        lauf "$Name-neustart" ""
    fi
    beende_anzeige
done
echo
echo "$Zeilen Messungen, $Fehler fehlerhaft ($Modus)"
[ "$Zeilen" -gt 0 ] || { tail -n 20 "$Arbeit/protokoll"; exit 1; }
[ "$Fehler" -eq 0 ] || { tail -n 20 "$Arbeit/protokoll"; exit 1; }
