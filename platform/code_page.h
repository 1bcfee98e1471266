// Texts in the system's ANSI code page.
#pragma once

#include "app/text.h"

#include <string_view>

Text AnsiToText(std::string_view bytes);
