#include "ui/main_window.h"

#include "app/main_loop.h"
#include "platform/menus.h"
#include "platform/pictures.h"
#include "platform/windows.h"
#include "settings/settings_store.h"
#include "ui/banner.h"
#include "ui/color_schemes.h"
#include "ui/os_product_name.h"
#include "ui/window_position.h"

#include <commctrl.h>

Text OsProductName;
float ScaleX = 1.0f;
float ScaleY = 1.0f;

namespace {

FontId gMainFonts[MainFontCount] = {-1, -1, -1, -1, -1};

void CreateMainFonts() {
    for (const FontSpec& spec : MainWindowFonts)
        gMainFonts[int(spec.font)] = CreateFontPoints(spec.face, spec.points, spec.bold, spec.italic);
}

// The gradient with "Microsoft <product>" written upward on it, black and then
// white 3 pixels lower; nullptr when no picture could be made.
Picture* MakeBanner() {
    PictureSize size = BannerSize(ScaleX, ScaleY);
    Picture* banner = MakeGradientImage(int(size.width), int(size.height), BannerTopColor, BannerBottomColor);
    if (!banner) return nullptr;
    HFONT font = static_cast<HFONT>(FontHandle(MainWindowFont(MainFont::BannerFont)));
    Text text = BannerText(OsProductName);
    DrawPictureTextRotated(banner, font, 0, int(BannerShadowY(ScaleY)), text, BannerShadowColor);
    DrawPictureTextRotated(banner, font, 0, int(BannerTextY(ScaleY)), text, BannerTextColor);
    return banner;
}

void CreateListContextMenu() {
    if (!CreatePopupMenuNumber(MainWindowNumber, ListContextMenuNumber)) return;
    for (const MenuItemSpec& item : ListContextMenuItems)
        AddMenuItem(MainWindowNumber, ListContextMenuNumber, item.itemId, item.text, item.picture);
}

// One row of the control table, with what its row alone does not say.
void CreateMainControl(const LayoutControl& row, int bannerPicture) {
    ControlSpec spec = ToControlSpec(row);
    if (row.id == SideBannerId) spec.picture = bannerPicture;
    if (row.id == InfoLabelId) {
        spec.y = InfoLabelY(PictureHeight(LogoPicture));
        spec.text = OsProductName;
    }
    CreateControl(MainWindowNumber, spec);
    switch (row.id) {
    case MainPanelId:
        BeginContainer(MainWindowNumber, MainPanelId);
        break;
    case ShortcutListId:
        SetListColumn(MainWindowNumber, ShortcutListId, ShortcutColumnTitle, ShortcutColumnWidth);
        SetListExtendedStyle(MainWindowNumber, ShortcutListId, LVS_EX_UNDERLINEHOT | LVS_EX_ONECLICKACTIVATE);
        break;
    case InfoLabelId:
        SetControlTextColour(MainWindowNumber, InfoLabelId, InfoLabelTextColor);
        break;
    case CustomButtonId:
        // CustomMenu (BuildCustomMenu) is built here once the custom entries exist.
        break;
    case RunButtonId:
        // The session controls (CreateSessionControls) follow here.
        break;
    default:
        break;
    }
}

}  // namespace

FontId MainWindowFont(MainFont font) { return gMainFonts[int(font)]; }

Picture* MakeGradientImage(int width, int height, Colour topColour, Colour bottomColour) {
    Picture* picture = CreatePicture(width, height, false);
    if (!picture) return nullptr;
    std::vector<ColorValue> rows = GradientRowColors(height, topColour, bottomColour);
    if (rows.size() != size_t(height)) {
        FreePicture(picture);
        return nullptr;
    }
    for (int i = 0; i < height; ++i) FillPictureRect(picture, 0, i, width, 1, rows[size_t(i)]);
    return picture;
}

void ApplyColorScheme() {
    const ColorScheme& scheme = ColorSchemeRow(gSettings.MenuColor);
    for (const ColorStep& step : ApplyColorSchemeSteps) {
        if (step.target == ColorTarget::Window) {
            SetWindowBackground(step.control, ColorOf(step.background, scheme));
            continue;
        }
        if (step.gridLine != ColorSource::None)
            SetListLineColour(MainWindowNumber, step.control, ColorOf(step.gridLine, scheme));
        if (step.text != ColorSource::None)
            SetControlTextColour(MainWindowNumber, step.control, ColorOf(step.text, scheme));
        if (step.background != ColorSource::None)
            SetControlBackColour(MainWindowNumber, step.control, ColorOf(step.background, scheme));
    }
}

void BuildMainWindow() {
    ScreenFacts screen = ReadScreenFacts();
    ScaleX = screen.ScaleX;
    ScaleY = screen.ScaleY;
    SetLoopScale(ScaleX, ScaleY);
    int64_t alignment = gSettings.MenuMode == 0 ? ReadTaskbarAlignment() : -1;
    WindowPosition position = MainWindowPosition(screen, gSettings.MenuMode, alignment);
    OsProductName = ReadOsProductName();
    CreateMainFonts();
    Picture* banner = MakeBanner();
    SetNumberedPicture(BannerPicture, banner);  // the table owns it from here
    int bannerPicture = banner ? BannerPicture : -1;

    WindowSpec spec;
    spec.x = int(position.x);
    spec.y = int(position.y);
    spec.clientWidth = MainClientWidth;
    spec.clientHeight = MainClientHeight;
    spec.title = MainWindowTitle;
    spec.toolWindow = true;
    if (!OpenWindow(MainWindowNumber, spec)) return;
    ShowAndActivateWindow(MainWindowNumber);

    CreateListContextMenu();
    for (const LayoutControl& row : MainWindowControls) CreateMainControl(row, bannerPicture);
    SetKeyboardFocus(MainWindowNumber, ShortcutListId);
    AddEnterAccelerator(MainWindowNumber, EnterKeyItemId);
    EndContainer(MainWindowNumber);

    for (const FontAssignment& assignment : MainFontAssignments)
        SetControlFont(MainWindowNumber, assignment.control, MainWindowFont(assignment.font));
    SetListLineColour(MainWindowNumber, ShortcutListId, DefaultGridLineColor);
    if (UsesColorScheme(gSettings.MenuColor)) ApplyColorScheme();
}
