# Shared by the scripts in this folder: configure and build the trees under
# build/. Sourced, not run.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# configure_tree DIR CMAKE-ARGS...: configures DIR once; later runs only build.
configure_tree() {
    local dir=$1
    shift
    if [ ! -f "$root/$dir/CMakeCache.txt" ]; then
        mkdir -p "$root/$dir"
        cmake -S "$root" -B "$root/$dir" -G "Unix Makefiles" "$@" >"$root/$dir/configure.log" 2>&1 || {
            cat "$root/$dir/configure.log" >&2
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

# True when this machine can run 32-bit Windows programs: 32-bit Wine needs a
# kernel that executes 32-bit Linux code, which some kernels leave out.
can_run_32bit_wine() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}
