# Shared by the scripts in this folder: configure and build the trees under
# build/. Sourced, not run.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
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
