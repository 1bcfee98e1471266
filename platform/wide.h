// Conversions between Text and the wide strings of Win32 (16-bit wchar_t).
#pragma once

#include "app/text.h"

inline const wchar_t* Wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline wchar_t* WideBuffer(Text& text) { return reinterpret_cast<wchar_t*>(text.data()); }
inline Text FromWide(const wchar_t* text) { return text ? Text(reinterpret_cast<const char16_t*>(text)) : Text(); }
inline Text FromWide(const wchar_t* text, size_t length) { return Text(reinterpret_cast<const char16_t*>(text), length); }
