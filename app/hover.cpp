#include "app/hover.h"

#include "app/app_state.h"
#include "app/main_loop.h"
#include "platform/controls.h"
#include "ui/main_window.h"

void UpdateHoverInformation() {
    HoverResult choice = HoverChoice(
        [](int control) { return IsMouseOverControl(kMainWindow, control, MainPanelId); }, OsProductName);
    if (choice.picture == gLoop.ShownLogoImage) return;
    gLoop.ShownLogoImage = choice.picture;
    SetControlPicture(kMainWindow, LogoImageId, choice.picture);
    SetControlText(kMainWindow, InfoLabelId, Text(choice.infoText));
}
