// chmstamp FILE: clears the build times in a compiled HTML Help file, so
// that the same pages always compile to the same bytes.
#include "chm_stamp.h"

#include <cstdio>
#include <fstream>
#include <iterator>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: chmstamp FILE\n");
        return 2;
    }
    std::vector<uint8_t> chm;
    {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "chmstamp: cannot read %s\n", argv[1]);
            return 1;
        }
        chm.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (const char* problem = clearChmTimeStamps(chm)) {
        std::fprintf(stderr, "chmstamp: %s: %s\n", argv[1], problem);
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(chm.data()), static_cast<std::streamsize>(chm.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "chmstamp: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
