# The Wine environment, the one place that sets it, for the scripts here and
# for the test runner of each Windows build tree (tests/wine/wine.in).
# Sourced, not run; plain sh.

# use_wine ARCH PREFIX: exports the Wine environment for running ARCH (i686
# or x86_64) Windows programs in the private prefix PREFIX: no debug output,
# no downloads of Mono or Gecko, no menu entries on the machine, and no
# debugger: a program that crashes ends at once with the crash's code, where
# Wine's debugger would hold it, or end it with code 0 as if it had passed.
use_wine() {
    export WINEPREFIX="$2"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe,winedbg.exe=d'
    if [ "$1" = i686 ]; then
        export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver
    else
        export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    fi
}
