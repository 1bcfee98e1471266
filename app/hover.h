// The LogoImage and InfoLabel follow the link under the mouse.
#pragma once

// One step of every pass of the main loop while the main window is open.
void UpdateHoverInformation();
