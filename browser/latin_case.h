// Lower case for the letters of Latin-1 (A-Z and U+00C0..U+00DE without the
// multiplication sign), so that folder names like "ZUBEHÖR" match "zubehör".
// Every other code unit stays as it is.
#pragma once

#include "app/text.h"

char16_t LatinLower(char16_t c);
Text LatinLowerText(TextView text);
bool EqualsIgnoringLatinCase(TextView a, TextView b);
