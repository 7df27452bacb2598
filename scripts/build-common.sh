# Shared by the scripts in this folder: configure and build the trees under
# build/. Sourced, not run.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/wine-env.sh"
jobs=$(nproc 2>/dev/null || echo 2)

# configure_tree DIR CMAKE-ARGS...: configures DIR when it has no build file
# yet; later runs only build. A configure that fails leaves no cache behind,
# so the next run configures afresh instead of building a broken tree.
configure_tree() {
    local dir=$1
    shift
    if [ ! -f "$root/$dir/Makefile" ]; then
        mkdir -p "$root/$dir"
        cmake -S "$root" -B "$root/$dir" -G "Unix Makefiles" "$@" >"$root/$dir/configure.log" 2>&1 || {
            cat "$root/$dir/configure.log" >&2
            rm -f "$root/$dir/CMakeCache.txt" "$root/$dir/Makefile"
            return 1
        }
    fi
}

build_tree() {
    cmake --build "$root/$1" -j "$jobs" -- --no-print-directory
}

# build_windows ARCH: the Windows tree for i686 (the game) or x86_64.
build_windows() {
    configure_tree "build/win-$1" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-toolchain.cmake" \
        -DDZ_WINDOWS_ARCH="$1" && build_tree "build/win-$1"
}

# True when the kernel executes 32-bit (i386) Linux programs, which 32-bit Wine
# needs and some kernels leave out. Asks the kernel directly, by running the
# smallest i386 program there is (it only calls exit(0)), so the answer does
# not depend on what is installed.
kernel_runs_32bit() {
    local probe
    probe=$(mktemp) || return 1
    # ELF header, one loadable segment, then: mov eax,1; xor ebx,ebx; int 0x80
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0' >"$probe"
    printf '\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >>"$probe"
    printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$probe"
    printf '\270\1\0\0\0\61\333\315\200' >>"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    local result=$?
    rm -f "$probe"
    return $result
}

# wait_until SECONDS COMMAND...: runs COMMAND every fifth of a second until
# it succeeds or SECONDS have passed, and says which. It always runs at least
# once, and once more when the time is up.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}

# ensure_deps: runs install-deps once for a script and every script it calls.
ensure_deps() {
    [ -n "${DZ_DEPS_READY:-}" ] && return 0
    "$root/scripts/install-deps" || return 1
    export DZ_DEPS_READY=1
}

# wine32_runs_a_program: true when 32-bit Wine starts a 32-bit Windows
# program (its own command interpreter) and that program prints what it is
# told. The prefix build/wine32-check is made on the first try (some
# seconds) and kept for later ones; a try that fails removes it.
wine32_runs_a_program() {
    [ -x /usr/lib/wine/wine ] || return 1
    local prefix="$root/build/wine32-check" answer
    mkdir -p "$root/build"
    answer=$(
        use_wine i686 "$prefix"
        unset DISPLAY WAYLAND_DISPLAY
        timeout 120 "$WINELOADER" cmd /c echo 32-bit-wine-runs 2>/dev/null </dev/null
        "$WINESERVER" -k >/dev/null 2>&1
    )
    if [[ "$answer" == *32-bit-wine-runs* ]]; then
        return 0
    fi
    rm -rf "$prefix"
    return 1
}

# windows_build: decides which Windows build this machine runs, once for a
# script and every script it calls, and exports the answer:
#   DZ_WINDOWS_BUILD      i686 (the shipped 32-bit game) where 32-bit Wine
#                         starts a 32-bit Windows program, x86_64 otherwise
#   DZ_WINDOWS_BUILD_WHY  why, for x86_64
# Decided from a real attempt, not from what is installed. Setting
# DZ_WINDOWS_BUILD=x86_64 beforehand forces the 64-bit build, to check that
# path on a machine that could run the other.
windows_build() {
    if [ -n "${DZ_WINDOWS_BUILD:-}" ]; then
        if [ "$DZ_WINDOWS_BUILD" != i686 ] && [ "$DZ_WINDOWS_BUILD" != x86_64 ]; then
            echo "DZ_WINDOWS_BUILD must be i686 or x86_64, not '$DZ_WINDOWS_BUILD'" >&2
            return 1
        fi
        : "${DZ_WINDOWS_BUILD_WHY:=DZ_WINDOWS_BUILD was set to $DZ_WINDOWS_BUILD before the run}"
    elif ! kernel_runs_32bit; then
        DZ_WINDOWS_BUILD=x86_64
        DZ_WINDOWS_BUILD_WHY="this machine's kernel cannot run 32-bit code"
    elif [ ! -x /usr/lib/wine/wine ]; then
        DZ_WINDOWS_BUILD=x86_64
        DZ_WINDOWS_BUILD_WHY="32-bit Wine (wine32:i386) is not installed"
    elif ! wine32_runs_a_program; then
        DZ_WINDOWS_BUILD=x86_64
        DZ_WINDOWS_BUILD_WHY="32-bit Wine is installed but did not start a 32-bit Windows program"
    else
        DZ_WINDOWS_BUILD=i686
        DZ_WINDOWS_BUILD_WHY=
    fi
    export DZ_WINDOWS_BUILD DZ_WINDOWS_BUILD_WHY
    if [ "$DZ_WINDOWS_BUILD" = i686 ]; then
        echo "Windows build: i686, the shipped 32-bit game, under 32-bit Wine"
    else
        echo "Windows build: x86_64, the same sources built as 64-bit programs, because $DZ_WINDOWS_BUILD_WHY"
    fi
}

# build_windows_to_run: builds the shipped 32-bit tree and, where the 64-bit
# build is the one that runs here, that tree too; prints nothing but errors.
build_windows_to_run() {
    build_windows i686 >/dev/null || return 1
    [ "$DZ_WINDOWS_BUILD" = i686 ] || build_windows "$DZ_WINDOWS_BUILD" >/dev/null
}

# build_package DIR: configures the 32-bit Windows tree DIR and builds only
# what the release package needs (the game, the help file, the read-me and
# the zip). Prints the path of the zip; the build talks on stderr.
build_package() {
    local dir=$1
    configure_tree "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-toolchain.cmake" \
        -DDZ_WINDOWS_ARCH=i686 || return 1
    rm -rf "$root/$dir/dist"
    cmake --build "$root/$dir" --target dz_package -j "$jobs" -- --no-print-directory >&2 || return 1
    local zips=("$root/$dir"/dist/*.zip)
    [ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || return 1
    echo "${zips[0]}"
}
