#include "platform/menus.h"

#include "platform/picture_paint.h"
#include "platform/wide.h"
#include "platform/window_records.h"

namespace {

MenuRecord* FindMenu(int window, int menu) {
    WindowRecord* w = FindWindowRecord(window);
    if (!w) return nullptr;
    auto it = w->menus.find(menu);
    return it == w->menus.end() || !it->second.menu ? nullptr : &it->second;
}

// A menu picture as a 32-bit bitmap of 16 x 16 logical pixels.
HBITMAP MenuBitmap(int picture, void* icon) {
    int w = ScaleLogicalX(16), h = ScaleLogicalY(16);
    if (!icon) return picture >= 0 ? MakePictureMenuBitmap(picture, w, h) : nullptr;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, static_cast<HICON>(icon), w, h, 0, nullptr, DI_NORMAL);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

}  // namespace

void FreeMenuRecord(MenuRecord& menu) {
    if (menu.menu) DestroyMenu(menu.menu);
    menu.menu = nullptr;
    for (auto& [id, bitmap] : menu.bitmaps)
        if (bitmap) DeleteObject(bitmap);
    menu.bitmaps.clear();
}

bool CreatePopupMenuNumber(int window, int menu) {
    WindowRecord* w = FindWindowRecord(window);
    if (!w) return false;
    FreePopupMenu(window, menu);
    HMENU handle = CreatePopupMenu();
    if (!handle) return false;
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE;
    info.dwStyle = MNS_CHECKORBMP;
    SetMenuInfo(handle, &info);
    w->menus[menu].menu = handle;
    return true;
}

void FreePopupMenu(int window, int menu) {
    WindowRecord* w = FindWindowRecord(window);
    if (!w) return;
    auto it = w->menus.find(menu);
    if (it == w->menus.end()) return;
    FreeMenuRecord(it->second);
    w->menus.erase(it);
}

void AddMenuItem(int window, int menu, int itemId, const Text& text, int picture, void* icon) {
    MenuRecord* m = FindMenu(window, menu);
    if (!m) return;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    item.fType = MFT_STRING;
    item.wID = UINT(itemId);
    Text copy = text;
    item.dwTypeData = WideBuffer(copy);
    HBITMAP bitmap = MenuBitmap(picture, icon);
    if (bitmap) {
        item.fMask |= MIIM_BITMAP;
        item.hbmpItem = bitmap;
        auto old = m->bitmaps.find(itemId);
        if (old != m->bitmaps.end() && old->second) DeleteObject(old->second);
        m->bitmaps[itemId] = bitmap;
    }
    InsertMenuItemW(m->menu, UINT(GetMenuItemCount(m->menu)), TRUE, &item);
}

void AddMenuSeparator(int window, int menu) {
    if (MenuRecord* m = FindMenu(window, menu)) AppendMenuW(m->menu, MF_SEPARATOR, 0, nullptr);
}

void ShowPopupMenuAtCursor(int window, int menu) {
    WindowRecord* w = FindWindowRecord(window);
    MenuRecord* m = FindMenu(window, menu);
    if (!w || !m) return;
    POINT pt;
    GetCursorPos(&pt);
    // The menu needs its owner in the foreground to close when the user clicks elsewhere.
    SetForegroundWindow(w->hwnd);
    TrackPopupMenu(m->menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, pt.x - 1, pt.y - 1, 0, w->hwnd, nullptr);
    PostMessageW(w->hwnd, WM_NULL, 0, 0);
}
