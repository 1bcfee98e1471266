#include "platform/controls.h"

#include "platform/picture_paint.h"
#include "platform/wide.h"
#include "platform/window_records.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

namespace {

std::vector<HFONT> gFonts;  // owned; FontId is the index

struct SuppressEvents {
    SuppressEvents() { ++gSuppressEvents; }
    ~SuppressEvents() { --gSuppressEvents; }
};

bool IsKind(const ControlRecord& c, ControlKind kind) { return c.kind == int(kind); }

HWND ParentFor(WindowRecord& window) {
    if (window.openContainer >= 0) {
        auto it = window.controls.find(window.openContainer);
        if (it != window.controls.end() && it->second.hwnd) return it->second.hwnd;
    }
    return window.hwnd;
}

struct KindStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

KindStyle StyleOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::PictureButton: return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP, 0};
    case ControlKind::StaticText: return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::CentredText: return {WC_STATICW, SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::Link: return {WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::Picture: return {kPictureClass, SS_NOTIFY, 0};
    case ControlKind::TextField: return {WC_EDITW, ES_AUTOHSCROLL | ES_NOHIDESEL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::CheckBox: return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::OptionButton: return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case ControlKind::ReportList:
        return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::RaisedPanel: return {kPanelClass, WS_DLGFRAME | WS_CLIPCHILDREN, WS_EX_WINDOWEDGE};
    case ControlKind::PlainPanel: return {kPanelClass, WS_CLIPCHILDREN, 0};
    }
    return {WC_STATICW, 0, 0};
}

void ResizeToPicture(ControlRecord& c) {
    int w = 0, h = 0;
    if (!PictureDimensions(c.picture, w, h)) w = h = 0;
    SetWindowPos(c.hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK PictureProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        int window = -1, id = -1;
        ControlRecord* c = ControlOf(hwnd, &window, &id);
        RECT rc;
        GetClientRect(hwnd, &rc);
        HWND parent = GetParent(hwnd);
        HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(hwnd)));
        FillRect(dc, &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        if (c) PaintPicture(dc, c->picture, 0, 0);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONUP: {
        int window = -1, id = -1;
        if (ControlOf(hwnd, &window, &id)) QueueEvent({EventKind::Control, window, id, ControlEventType::LeftClick});
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void RegisterPictureClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PictureProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPictureClass;
    RegisterClassExW(&wc);
    registered = true;
}

LRESULT CALLBACK LinkSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_MOUSEMOVE: {
        int window = -1, id = -1;
        ControlRecord* c = ControlOf(hwnd, &window, &id);
        if (c && !c->hot) {
            c->hot = true;
            TRACKMOUSEEVENT tme = {};
            tme.cbSize = sizeof(tme);
            tme.dwFlags = TME_LEAVE;
            tme.hwndTrack = hwnd;
            TrackMouseEvent(&tme);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        break;
    }
    case WM_MOUSELEAVE: {
        int window = -1, id = -1;
        ControlRecord* c = ControlOf(hwnd, &window, &id);
        if (c && c->hot) {
            c->hot = false;
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        break;
    }
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void DrawGridLines(HWND list, HDC dc, Colour colour) {
    RECT client;
    GetClientRect(list, &client);
    HWND header = ListView_GetHeader(list);
    RECT headerRect = {};
    if (header) GetWindowRect(header, &headerRect);
    int top = headerRect.bottom - headerRect.top;
    int rowHeight = 0;
    RECT item;
    int first = ListView_GetTopIndex(list);
    if (ListView_GetItemRect(list, first, &item, LVIR_BOUNDS)) {
        rowHeight = item.bottom - item.top;
        top = item.top;
    } else {
        // No rows: measure an empty row the way the list would.
        DWORD spacing = ListView_ApproximateViewRect(list, -1, -1, 1);
        rowHeight = HIWORD(spacing) - top;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    if (rowHeight > 0) {
        for (int y = top + rowHeight - 1; y < client.bottom; y += rowHeight) {
            MoveToEx(dc, client.left, y, nullptr);
            LineTo(dc, client.right, y);
        }
    }
    int x = -GetScrollPos(list, SB_HORZ);
    int columns = header ? Header_GetItemCount(header) : 0;
    for (int i = 0; i < columns; ++i) {
        x += ListView_GetColumnWidth(list, i);
        MoveToEx(dc, x - 1, headerRect.bottom > headerRect.top ? top : client.top, nullptr);
        LineTo(dc, x - 1, client.bottom);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

LRESULT HandleListNotify(int window, int id, ControlRecord& c, NMHDR* header) {
    switch (header->code) {
    case NM_CUSTOMDRAW: {
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
            return c.lineColour == NoColour ? CDRF_DODEFAULT : CDRF_NOTIFYPOSTPAINT;
        if (draw->nmcd.dwDrawStage == CDDS_POSTPAINT && c.lineColour != NoColour)
            DrawGridLines(c.hwnd, draw->nmcd.hdc, c.lineColour);
        return CDRF_DODEFAULT;
    }
    case NM_CLICK:
        QueueEvent({EventKind::Control, window, id, ControlEventType::LeftClick});
        return 0;
    case NM_RCLICK:
        QueueEvent({EventKind::Control, window, id, ControlEventType::RightClick});
        return 0;
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))
            QueueEvent({EventKind::Control, window, id, ControlEventType::Other});
        return 0;
    }
    default:
        return 0;
    }
}

ControlEventType CommandType(const ControlRecord& c, int code) {
    if (IsKind(c, ControlKind::TextField)) return code == EN_CHANGE ? ControlEventType::Change : ControlEventType::Other;
    if (IsKind(c, ControlKind::DropDownList))
        return code == CBN_SELCHANGE ? ControlEventType::Change : ControlEventType::Other;
    return code == BN_CLICKED ? ControlEventType::LeftClick : ControlEventType::Other;
}

void DrawPictureButton(DRAWITEMSTRUCT* draw, const ControlRecord& c) {
    RECT rc = draw->rcItem;
    bool pressed = draw->itemState & ODS_SELECTED;
    FillRect(draw->hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
    int w = 0, h = 0;
    if (PictureDimensions(c.picture, w, h)) {
        int x = (rc.right - rc.left - w) / 2 + (pressed ? 1 : 0);
        int y = (rc.bottom - rc.top - h) / 2 + (pressed ? 1 : 0);
        PaintPicture(draw->hDC, c.picture, x, y);
    }
    DrawEdge(draw->hDC, &rc, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (draw->itemState & ODS_FOCUS) {
        InflateRect(&rc, -3, -3);
        DrawFocusRect(draw->hDC, &rc);
    }
}

}  // namespace

const wchar_t* const kPictureClass = L"OrvantoPicture";

LRESULT HandleControlMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
    *handled = false;
    switch (message) {
    case WM_COMMAND: {
        if (lParam == 0) return 0;
        int window = -1, id = -1;
        ControlRecord* c = ControlOf(reinterpret_cast<HWND>(lParam), &window, &id);
        if (!c) return 0;
        QueueEvent({EventKind::Control, window, id, CommandType(*c, HIWORD(wParam))});
        *handled = true;
        return 0;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        int window = -1, id = -1;
        ControlRecord* c = ControlOf(header->hwndFrom, &window, &id);
        if (!c || !IsKind(*c, ControlKind::ReportList)) return 0;
        *handled = true;
        return HandleListNotify(window, id, *c, header);
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_BUTTON) return 0;
        int window = -1, id = -1;
        ControlRecord* c = ControlOf(draw->hwndItem, &window, &id);
        if (!c) return 0;
        DrawPictureButton(draw, *c);
        *handled = true;
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        int window = -1, id = -1;
        ControlRecord* c = ControlOf(reinterpret_cast<HWND>(lParam), &window, &id);
        if (!c) return 0;
        HDC dc = reinterpret_cast<HDC>(wParam);
        Colour text = c->textColour;
        if (IsKind(*c, ControlKind::Link) && c->hot) text = RgbColour(0, 0, 255);
        else if (IsKind(*c, ControlKind::Link) && text == NoColour) text = GetSysColor(COLOR_WINDOWTEXT);
        // Pictures show their parent's background through transparent pixels.
        if (text == NoColour && c->backBrush == nullptr && !IsKind(*c, ControlKind::Picture)) return 0;
        *handled = true;
        if (text != NoColour) SetTextColor(dc, text);
        if (c->backBrush) {
            SetBkColor(dc, c->backColour);
            return reinterpret_cast<LRESULT>(c->backBrush);
        }
        // Text colour only: keep the background the system would use.
        bool edit = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
        HBRUSH parentBrush = nullptr;
        if (!edit) {
            int pw = -1, pid = -1;
            ControlRecord* parent = ControlOf(GetParent(c->hwnd), &pw, &pid);
            WindowRecord* top = WindowRecordOf(c->hwnd, nullptr);
            parentBrush = parent ? parent->backBrush : (top ? top->backBrush : nullptr);
            if (parentBrush) {
                SetBkColor(dc, parent ? parent->backColour : top->backColour);
                return reinterpret_cast<LRESULT>(parentBrush);
            }
        }
        int sys = edit ? COLOR_WINDOW : COLOR_BTNFACE;
        SetBkColor(dc, GetSysColor(sys));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(sys));
    }
    default:
        return 0;
    }
}

void FreeControlRecord(ControlRecord& control) {
    if (control.backBrush) DeleteObject(control.backBrush);
    control.backBrush = nullptr;
    if (control.images) ImageList_Destroy(control.images);
    control.images = nullptr;
    control.hwnd = nullptr;
}

HFONT FontOf(int font) { return font >= 0 && font < int(gFonts.size()) ? gFonts[font] : nullptr; }

bool CreateControl(int window, const ControlSpec& spec) {
    WindowRecord* w = FindWindowRecord(window);
    if (!w || w->controls.count(spec.id)) return false;
    RegisterPictureClass();
    KindStyle ks = StyleOf(spec.kind);
    HWND parent = ParentFor(*w);
    HWND hwnd = CreateWindowExW(ks.exStyle, ks.className, Wide(spec.text), WS_CHILD | WS_VISIBLE | ks.style,
                                ScaleLogicalX(spec.x), ScaleLogicalY(spec.y), ScaleLogicalX(spec.width),
                                ScaleLogicalY(spec.height), parent, reinterpret_cast<HMENU>(INT_PTR(spec.id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    ControlRecord& c = w->controls[spec.id];
    c.hwnd = hwnd;
    c.kind = int(spec.kind);
    c.x = spec.x;
    c.y = spec.y;
    c.width = spec.width;
    c.height = spec.height;
    c.picture = spec.picture;
    SendMessageW(hwnd, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    switch (spec.kind) {
    case ControlKind::Link:
        SetWindowSubclass(hwnd, LinkSubclass, 1, 0);
        break;
    case ControlKind::Picture:
        ResizeToPicture(c);
        break;
    case ControlKind::ReportList: {
        ListView_SetExtendedListViewStyle(hwnd, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        int size = GetSystemMetrics(SM_CXSMICON);
        c.images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 16, 64);
        ListView_SetImageList(hwnd, c.images, LVSIL_SMALL);
        break;
    }
    default:
        break;
    }
    return true;
}

void BeginContainer(int window, int containerId) {
    if (WindowRecord* w = FindWindowRecord(window)) w->openContainer = containerId;
}

void EndContainer(int window) {
    if (WindowRecord* w = FindWindowRecord(window)) w->openContainer = -1;
}

bool ControlExists(int window, int id) { return FindControl(window, id) != nullptr; }

void SetControlText(int window, int id, const Text& text) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return;
    SuppressEvents quiet;
    SetWindowTextW(c->hwnd, Wide(text));
}

Text ControlText(int window, int id) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return Text();
    int length = GetWindowTextLengthW(c->hwnd);
    Text text(size_t(length) + 1, u'\0');
    int got = GetWindowTextW(c->hwnd, WideBuffer(text), length + 1);
    text.resize(size_t(got > 0 ? got : 0));
    return text;
}

void SetKeyboardFocus(int window, int id) {
    if (ControlRecord* c = FindControl(window, id)) {
        SuppressEvents quiet;
        SetFocus(c->hwnd);
    }
}

int FocusedControl(int window) {
    HWND focus = GetFocus();
    WindowRecord* w = FindWindowRecord(window);
    if (!w || !focus) return -1;
    for (auto& [id, c] : w->controls)
        if (c.hwnd && (c.hwnd == focus || IsChild(c.hwnd, focus))) {
            if (IsKind(c, ControlKind::RaisedPanel) || IsKind(c, ControlKind::PlainPanel)) continue;
            return id;
        }
    return -1;
}

void EnableControl(int window, int id, bool enabled) {
    if (ControlRecord* c = FindControl(window, id)) EnableWindow(c->hwnd, enabled);
}

LogicalRect ControlLogicalRect(int window, int id) {
    ControlRecord* c = FindControl(window, id);
    return c ? LogicalRect{c->x, c->y, c->width, c->height} : LogicalRect{};
}

void SetControlTextColour(int window, int id, Colour colour) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return;
    c->textColour = colour;
    if (IsKind(*c, ControlKind::ReportList)) ListView_SetTextColor(c->hwnd, colour == NoColour ? CLR_DEFAULT : colour);
    InvalidateRect(c->hwnd, nullptr, TRUE);
}

void SetControlBackColour(int window, int id, Colour colour) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return;
    if (c->backBrush) DeleteObject(c->backBrush);
    c->backBrush = colour == NoColour ? nullptr : CreateSolidBrush(colour);
    c->backColour = colour;
    if (IsKind(*c, ControlKind::ReportList)) {
        ListView_SetBkColor(c->hwnd, colour == NoColour ? CLR_DEFAULT : colour);
        ListView_SetTextBkColor(c->hwnd, colour == NoColour ? CLR_DEFAULT : colour);
    }
    InvalidateRect(c->hwnd, nullptr, TRUE);
}

FontId CreateFontPoints(const Text& face, int points, bool bold, bool italic, bool underline) {
    LOGFONTW lf = {};
    lf.lfHeight = -MulDiv(points, SystemDpiY(), 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = PROOF_QUALITY;
    lstrcpynW(lf.lfFaceName, Wide(face), LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&lf);
    if (!font) return -1;
    gFonts.push_back(font);
    return FontId(gFonts.size() - 1);
}

void SetControlFont(int window, int id, FontId font) {
    ControlRecord* c = FindControl(window, id);
    HFONT handle = FontOf(font);
    if (c && handle) SendMessageW(c->hwnd, WM_SETFONT, WPARAM(handle), TRUE);
}

void* FontHandle(FontId font) { return FontOf(font); }

void FreeAllFonts() {
    for (HFONT& font : gFonts)
        if (font) DeleteObject(font);
    gFonts.clear();
}

void SetControlPicture(int window, int id, int picture) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return;
    c->picture = picture;
    if (IsKind(*c, ControlKind::Picture)) ResizeToPicture(*c);
    InvalidateRect(c->hwnd, nullptr, TRUE);
}

void SetListColumn(int window, int id, const Text& title, int logicalWidth) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return;
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = ScaleLogicalX(logicalWidth);
    Text copy = title;
    column.pszText = WideBuffer(copy);
    if (ListView_GetColumnWidth(c->hwnd, 0) > 0) ListView_SetColumn(c->hwnd, 0, &column);
    else ListView_InsertColumn(c->hwnd, 0, &column);
}

void SetListLineColour(int window, int id, Colour colour) {
    if (ControlRecord* c = FindControl(window, id)) {
        c->lineColour = colour;
        InvalidateRect(c->hwnd, nullptr, TRUE);
    }
}

void SetListColours(int window, int id, Colour text, Colour back) {
    SetControlTextColour(window, id, text);
    SetControlBackColour(window, id, back);
}

void SetListExtendedStyle(int window, int id, unsigned long extraStyles) {
    if (ControlRecord* c = FindControl(window, id))
        ListView_SetExtendedListViewStyleEx(c->hwnd, extraStyles, extraStyles);
}

void BeginListUpdate(int window, int id) {
    if (ControlRecord* c = FindControl(window, id)) SendMessageW(c->hwnd, WM_SETREDRAW, FALSE, 0);
}

void EndListUpdate(int window, int id) {
    if (ControlRecord* c = FindControl(window, id)) {
        SendMessageW(c->hwnd, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(c->hwnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void ClearListRows(int window, int id) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return;
    SuppressEvents quiet;
    ListView_DeleteAllItems(c->hwnd);
    if (c->images) ImageList_RemoveAll(c->images);
    c->pictureImages.clear();
}

void AddListRow(int window, int id, const Text& text, void* icon, int picture) {
    ControlRecord* c = FindControl(window, id);
    if (!c) return;
    SuppressEvents quiet;
    int image = -1;
    if (icon && c->images) {
        image = ImageList_AddIcon(c->images, static_cast<HICON>(icon));
    } else if (picture >= 0 && c->images) {
        auto known = c->pictureImages.find(picture);
        if (known != c->pictureImages.end()) {
            image = known->second;
        } else {
            int size = GetSystemMetrics(SM_CXSMICON);
            HICON made = MakePictureIcon(picture, size, size);
            if (made) {
                image = ImageList_AddIcon(c->images, made);
                DestroyIcon(made);
            }
            c->pictureImages[picture] = image;
        }
    }
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = ListView_GetItemCount(c->hwnd);
    Text copy = text;
    item.pszText = WideBuffer(copy);
    item.iImage = image;  // -1 shows no picture
    ListView_InsertItem(c->hwnd, &item);
}

int ListRowCount(int window, int id) {
    ControlRecord* c = FindControl(window, id);
    return c ? ListView_GetItemCount(c->hwnd) : 0;
}

int SelectedListRow(int window, int id) {
    ControlRecord* c = FindControl(window, id);
    return c ? ListView_GetNextItem(c->hwnd, -1, LVNI_SELECTED) : -1;
}

Text ListRowText(int window, int id, int row) {
    ControlRecord* c = FindControl(window, id);
    if (!c || row < 0) return Text();
    Text buffer(1024, u'\0');
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = WideBuffer(buffer);
    item.cchTextMax = int(buffer.size());
    int length = int(SendMessageW(c->hwnd, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item)));
    buffer.resize(size_t(length > 0 ? length : 0));
    return buffer;
}

void AddListItem(int window, int id, const Text& text) {
    if (ControlRecord* c = FindControl(window, id)) SendMessageW(c->hwnd, CB_ADDSTRING, 0, LPARAM(Wide(text)));
}

void SelectListItem(int window, int id, int index) {
    if (ControlRecord* c = FindControl(window, id)) {
        SuppressEvents quiet;
        SendMessageW(c->hwnd, CB_SETCURSEL, WPARAM(index), 0);
    }
}

int SelectedListItem(int window, int id) {
    ControlRecord* c = FindControl(window, id);
    return c ? int(SendMessageW(c->hwnd, CB_GETCURSEL, 0, 0)) : -1;
}

void SetChecked(int window, int id, bool checked) {
    if (ControlRecord* c = FindControl(window, id)) {
        SuppressEvents quiet;
        SendMessageW(c->hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

bool IsChecked(int window, int id) {
    ControlRecord* c = FindControl(window, id);
    return c && SendMessageW(c->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetControlTooltip(int window, int id, const Text& text) {
    WindowRecord* w = FindWindowRecord(window);
    ControlRecord* c = FindControl(window, id);
    if (!w || !c) return;
    if (!w->tooltip) {
        w->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w->hwnd, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    }
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = w->hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(c->hwnd);
    Text copy = text;
    tool.lpszText = WideBuffer(copy);
    SendMessageW(w->tooltip, TTM_ADDTOOLW, 0, LPARAM(&tool));
}
