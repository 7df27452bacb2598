// GDI owners and the count of live objects.
#include "shell/gdi.h"

namespace {
int liveCount = 0;

template <typename Handle>
Handle counted(Handle handle)
{
    if (handle)
        ++liveCount;
    return handle;
}
}  // namespace

int liveGdiObjects()
{
    return liveCount;
}

HBITMAP createCompatibleBitmap(HDC dc, int width, int height)
{
    return counted(CreateCompatibleBitmap(dc, width, height));
}

HBITMAP loadBitmapResource(HINSTANCE module, int id)
{
    return counted(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
}

void deleteBitmap(HBITMAP& bitmap)
{
    if (!bitmap)
        return;
    if (DeleteObject(bitmap))
        --liveCount;
    bitmap = nullptr;
}

MemoryDC::MemoryDC(HDC compatibleWith) : dc(counted(CreateCompatibleDC(compatibleWith))) {}

MemoryDC::~MemoryDC()
{
    if (dc && DeleteDC(dc))
        --liveCount;
}

Selection::Selection(HDC dc, HGDIOBJ object) : dc(dc), previous(dc && object ? SelectObject(dc, object) : nullptr) {}

Selection::~Selection()
{
    if (previous)
        SelectObject(dc, previous);
}

void Selection::replace(HGDIOBJ object)
{
    if (!dc || !object)
        return;
    HGDIOBJ was = SelectObject(dc, object);
    if (!previous)
        previous = was;
}
