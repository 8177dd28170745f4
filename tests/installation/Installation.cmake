# cmake -DBAUORDNER=<build> -DARBEIT=<scratch> -DPLUGINS=<plugin folder> -DKENNUNG=<id>
#       -DBEFEHL=<command below the prefix> -P Installation.cmake
#
# Installs the machine into a fresh prefix, makes its program folder read-only, starts the installed
# command offscreen (the remote control plugin types a name and presses Esc) and looks where the
# settings and the log went: into the player's own folder, not into the program folder.

# pruefe(<message> <condition>...)
function(pruefe Text)
    if(NOT (${ARGN}))
        message(FATAL_ERROR "${Text}")
    endif()
endfunction()

set(prefix ${ARBEIT}/prefix)
set(programmordner ${prefix}/lib/vorlix)
set(spielerordner ${ARBEIT}/daten/Vorlix)
if(EXISTS ${programmordner})
    file(CHMOD ${programmordner} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endif()
file(REMOVE_RECURSE ${ARBEIT})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BAUORDNER} --prefix ${prefix}
                RESULT_VARIABLE Ergebnis OUTPUT_QUIET)
pruefe("cmake --install failed: ${Ergebnis}" Ergebnis EQUAL 0)

foreach(datei IN ITEMS lib/vorlix/Vorlix lib/vorlix/Muenze.WAV lib/vorlix/ups.WAV
                       lib/vorlix/Vorlix-Hilfe.pdf share/applications/${KENNUNG}.desktop
                       share/metainfo/${KENNUNG}.metainfo.xml share/man/man6/vorlix.6.gz
                       share/icons/hicolor/16x16/apps/vorlix.png
                       share/icons/hicolor/256x256/apps/vorlix.png)
    pruefe("not installed: ${datei}" EXISTS ${prefix}/${datei})
endforeach()
pruefe("${BEFEHL} is not a link" IS_SYMLINK ${prefix}/${BEFEHL})
file(READ_SYMLINK ${prefix}/${BEFEHL} Linkziel)
pruefe("${BEFEHL} points to ${Linkziel}" Linkziel STREQUAL "../lib/vorlix/Vorlix")

# The player's settings say: no sounds, so that no missing audio device interrupts the start.
file(WRITE ${spielerordner}/Vorlix.ini "[Einstellungen]\r\nSound=0\r\n")
file(READ ${programmordner}/Vorlix.ini InstallierteEinstellungen)
file(CHMOD ${programmordner} DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=${PLUGINS}
            QT_QPA_GENERIC_PLUGINS=vorlixfernbedienung XDG_DATA_HOME=${ARBEIT}/daten
            XDG_CONFIG_HOME=${ARBEIT}/config ${prefix}/${BEFEHL}
    WORKING_DIRECTORY ${ARBEIT}
    TIMEOUT 60
    RESULT_VARIABLE Ergebnis)
file(CHMOD ${programmordner} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
pruefe("the installed program ended with: ${Ergebnis}" Ergebnis EQUAL 0)

file(READ ${spielerordner}/Vorlix.ini Einstellungen)
string(FIND "${Einstellungen}" "SpielerName=Testspielerin" Name)
string(FIND "${Einstellungen}" "Spieldauer=8" Spieldauer)
pruefe("the player's Vorlix.ini lacks the name or the game duration:\n${Einstellungen}"
       NOT Name EQUAL -1 AND NOT Spieldauer EQUAL -1)

file(GLOB Auswertungen ${spielerordner}/Testspielerin*.txt)
list(LENGTH Auswertungen Anzahl)
pruefe("expected one saved log in ${spielerordner}, found: ${Auswertungen}" Anzahl EQUAL 1)
file(READ ${Auswertungen} Auswertung)
string(FIND "${Auswertung}" "Euro verspielt!" Abschluss)
pruefe("the saved log has no closing line" NOT Abschluss EQUAL -1)

file(READ ${programmordner}/Vorlix.ini NachherInstalliert)
pruefe("the program folder's Vorlix.ini was changed"
       NachherInstalliert STREQUAL InstallierteEinstellungen)
file(GLOB Fremde ${programmordner}/*.txt ${ARBEIT}/*.txt ${ARBEIT}/Vorlix.ini)
pruefe("files written outside the player's folder: ${Fremde}" NOT Fremde)
