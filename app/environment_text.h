// Expansion of %NAME% references in texts.
#pragma once

#include "app/text.h"

#include <functional>

// Returns the variable's value, or an empty text when it does not exist.
using EnvironmentLookup = std::function<Text(const Text& name)>;

// A self-referencing value would make the expansion run forever; after this
// many replacements the text is returned as it stands.
constexpr int kMaxEnvironmentReplacements = 256;

Text ExpandEnvironmentText(TextView text, const EnvironmentLookup& lookup);
// The same with the process's environment.
Text ExpandEnvironmentText(TextView text);
