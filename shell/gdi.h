// Small owners for GDI objects, so that every DC created is deleted and every
// SelectObject is undone on the same path. They also keep a count of the GDI
// objects the shell holds, which the tests read to prove that painting leaks
// nothing (Wine does not implement GetGuiResources).
#pragma once

#include <windows.h>

// GDI objects created through the functions below and not yet deleted.
int liveGdiObjects();

HBITMAP createCompatibleBitmap(HDC dc, int width, int height);
HBITMAP loadBitmapResource(HINSTANCE module, int id);
// Deletes bitmap when it is not none and sets it to none.
void deleteBitmap(HBITMAP& bitmap);

// A memory DC compatible with another, deleted when it goes out of scope.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith);
    ~MemoryDC();
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return dc; }

private:
    HDC dc;
};

// Selects an object into a DC and puts the previous one back at the end of
// the scope, so the object can be deleted afterwards.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object);
    ~Selection();
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // Selects another object in its place; the original one still returns
    // at the end.
    void replace(HGDIOBJ object);

private:
    HDC dc;
    HGDIOBJ previous;
};
