# The host of the HTTPS server that serves the update archive: its one default, read by every
# build of the core (the program, its tests and the fuzz target alike).
set(ORDAVEX_UPDATE_HOST "aggiornamenti.ordavex.it" CACHE STRING "Host of the HTTPS server that serves the update archive")
