// The four memory functions that the compiler calls for block copies, fills
// and compares, and that the C++ library's algorithms reach, for the shipped
// game, which links no C runtime. Plain byte loops: the game moves a few
// hundred bytes at a time. Compiled so that the compiler does not turn these
// loops back into calls of themselves.
#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, std::size_t size)
{
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    while (size--)
        *to++ = *from++;
    return destination;
}

// Copies backwards when the destination lies above the source, so that an
// overlapping source is read before it is overwritten.
void* memmove(void* destination, const void* source, std::size_t size)
{
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to <= from) {
        while (size--)
            *to++ = *from++;
    } else {
        to += size;
        from += size;
        while (size--)
            *--to = *--from;
    }
    return destination;
}

void* memset(void* destination, int value, std::size_t size)
{
    auto* to = static_cast<unsigned char*>(destination);
    while (size--)
        *to++ = static_cast<unsigned char>(value);
    return destination;
}

int memcmp(const void* left, const void* right, std::size_t size)
{
    const auto* a = static_cast<const unsigned char*>(left);
    const auto* b = static_cast<const unsigned char*>(right);
    for (; size; --size, ++a, ++b) {
        if (*a != *b)
            return *a < *b ? -1 : 1;
    }
    return 0;
}

}  // extern "C"
