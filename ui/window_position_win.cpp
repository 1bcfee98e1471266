#include "ui/window_position.h"

#include "app/os_version.h"
#include "platform/registry.h"
#include "platform/windows.h"

ScreenFacts ReadScreenFacts() {
  DisplayMode mode = PrimaryDisplayMode();
  return {ScaleFromDpi(SystemDpiX()), ScaleFromDpi(SystemDpiY()), mode.width, mode.height};
}

int64_t ReadTaskbarAlignment() {
  if (!IsWindows11OrLater()) return -1;
  int64_t alignment = -1;
  if (!ReadUserDword(u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", u"TaskbarAl", alignment))
    return -1;
  return alignment;
}
