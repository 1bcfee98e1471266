// Controls of numbered windows, addressed by (window, control id). Positions
// are logical units relative to the parent: the window's client area, or the
// container that is open while controls are added (BeginContainer).
#pragma once

#include "platform/windows.h"

#include <vector>

enum class ControlKind {
    PushButton,
    PictureButton,   // shows a picture of the image set
    StaticText,      // left-aligned
    CentredText,     // centred, long texts wrap
    Link,            // static text with hand cursor and hover colour; reports clicks
    Picture,         // takes the size of its picture
    TextField,       // single line, sunken border, scrolls horizontally
    DropDownList,    // not editable
    CheckBox,
    OptionButton,    // first of a group starts the group
    ReportList,      // list view in report view, one row selected at most
    RaisedPanel,     // container with a raised dialog-style frame (3 px)
    PlainPanel,      // container without border
};

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::StaticText;
    int x = 0, y = 0, width = 0, height = 0;  // logical units
    Text text;
    int picture = -1;  // image set number for Picture / PictureButton
};

bool CreateControl(int window, const ControlSpec& spec);
// Controls created until EndContainer lie inside this container control.
void BeginContainer(int window, int containerId);
void EndContainer(int window);

bool ControlExists(int window, int id);
void SetControlText(int window, int id, const Text& text);  // raises no event
Text ControlText(int window, int id);
void SetKeyboardFocus(int window, int id);
int FocusedControl(int window);  // control id, or -1
void EnableControl(int window, int id, bool enabled);

// Position and size in logical units, as created (relative to the parent).
struct LogicalRect { int x = 0, y = 0, width = 0, height = 0; };
LogicalRect ControlLogicalRect(int window, int id);

// Colours; NoColour keeps the system colour.
void SetControlTextColour(int window, int id, Colour colour);
void SetControlBackColour(int window, int id, Colour colour);

// Fonts are owned by the layer and freed at exit.
using FontId = int;
FontId CreateFontPoints(const Text& face, int points, bool bold, bool italic, bool underline = false);
void SetControlFont(int window, int id, FontId font);
void* FontHandle(FontId font);  // HFONT, for drawing on pictures

// Picture controls and picture buttons; -1 shows none.
void SetControlPicture(int window, int id, int picture);

// Report lists.
void SetListColumn(int window, int id, const Text& title, int logicalWidth);
void SetListLineColour(int window, int id, Colour colour);
void SetListColours(int window, int id, Colour text, Colour back);
void BeginListUpdate(int window, int id);   // redrawing off until EndListUpdate
void EndListUpdate(int window, int id);
void ClearListRows(int window, int id);
// icon: an HICON owned by the caller, or nullptr. picture: an image set number
// used when icon is null (-1 none).
void AddListRow(int window, int id, const Text& text, void* icon, int picture = -1);
int ListRowCount(int window, int id);
int SelectedListRow(int window, int id);  // -1 when none
Text ListRowText(int window, int id, int row);

// Drop-down lists.
void AddListItem(int window, int id, const Text& text);
void SelectListItem(int window, int id, int index);  // raises no event
int SelectedListItem(int window, int id);

// Check boxes and option buttons.
void SetChecked(int window, int id, bool checked);
bool IsChecked(int window, int id);

void SetControlTooltip(int window, int id, const Text& text);

// Extended list view styles added to the list's others (LVS_EX_* values).
void SetListExtendedStyle(int window, int id, unsigned long extraStyles);
void FreeAllFonts();
