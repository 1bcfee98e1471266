// The run line below the Start Menu list: placeholder, typed command and the
// prefix search over the programs of System32.
#pragma once

#include "app/text.h"

inline constexpr char16_t RunFieldPlaceholder[] = u"<Bitte Dateinamen eingeben!>";

bool ShowsPlaceholder(TextView fieldText);
// Neither empty nor the placeholder.
bool HoldsCommand(TextView fieldText);

struct TypedCommand {
    Text program;     // up to the first blank
    Text parameters;  // the rest, starting with that blank
};

// No expansion and no quote handling: a program path with blanks cannot be run.
TypedCommand SplitTypedCommand(TextView text);

// The first typed.size() characters of fileName equal typed, both in Latin-1
// lower case; a typed text longer than the name never matches.
bool MatchesSearchPrefix(TextView fileName, TextView typed);

// systemRoot (+ "\" when missing) + "System32\".
Text SearchFolder(TextView systemRoot);
