#include "platform/code_page.h"

#include <windows.h>

#include <climits>

Text AnsiToText(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > size_t(INT_MAX)) return Text();
    int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    if (length <= 0) return Text();
    Text text(size_t(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}
