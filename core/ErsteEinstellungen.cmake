# Puts the settings file into the program folder unless one is there already: the machine starts
# with the size factor switched on, so that it is fitted to the monitor and the first start offers
# the size dialog. A file the player already has is never touched.
if(NOT EXISTS "${ZIEL}")
    file(WRITE "${ZIEL}" "[Einstellungen]\r\nFormScalieren=1\r\n")
endif()
