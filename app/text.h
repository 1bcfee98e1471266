// Texts of the program: UTF-16, as Win32 sees them. This header and text.cpp
// include no Windows header so that all text logic also builds on the host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using Text = std::u16string;
using TextView = std::u16string_view;

// Letters A to Z only; every other code unit stays as it is.
char16_t AsciiLower(char16_t c);
Text AsciiLowerText(TextView text);
bool EqualsIgnoringAsciiCase(TextView a, TextView b);

Text DecimalText(int64_t value);

// Optional blanks/tabs, optional sign, then decimal digits up to the first
// other character; no digits gives 0. Saturates at the 64-bit range.
int64_t ParseLeadingInteger(TextView text);

Text Utf8ToText(std::string_view utf8);  // invalid sequences become U+FFFD
std::string TextToUtf8(TextView text);   // lone surrogates become U+FFFD
Text Latin1ToText(std::string_view bytes);
Text AsciiText(std::string_view ascii);

bool EndsWith(TextView text, TextView tail);
bool StartsWith(TextView text, TextView head);
Text TrimBlanks(TextView text);  // leading and trailing blanks (U+0020)

// The part of a path up to and including its last backslash or slash; empty
// when there is none.
Text FolderPart(TextView path);
// Lower-case extension after the last "." of the last path component, without
// the dot; empty when there is none.
Text LowerExtension(TextView name);
