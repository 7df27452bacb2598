// tree_view_probe TITLE: for the end-to-end suite, which sees only top-level
// windows from outside. Finds the visible top-level window titled TITLE and
// in it the first visible tree view, and prints where the tree view's client
// area lies on the screen and how many items it holds: "x y width height
// items". Exits with 1, printing nothing, when there is no such tree view.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

namespace {

BOOL CALLBACK findTreeView(HWND child, LPARAM found)
{
    char name[64];
    if (!IsWindowVisible(child) || !GetClassNameA(child, name, sizeof name) ||
        lstrcmpiA(name, WC_TREEVIEWA) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tree_view_probe TITLE\n");
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    HWND tree = nullptr;
    if (window && IsWindowVisible(window))
        EnumChildWindows(window, findTreeView, reinterpret_cast<LPARAM>(&tree));
    RECT client;
    if (!tree || !GetClientRect(tree, &client))
        return 1;
    POINT origin = {0, 0};
    ClientToScreen(tree, &origin);
    // The item count needs no memory of the other process.
    const LRESULT items = SendMessageA(tree, TVM_GETCOUNT, 0, 0);
    std::printf("%ld %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom,
                static_cast<long>(items));
    return 0;
}
