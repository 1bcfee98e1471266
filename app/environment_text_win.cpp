#include "app/environment_text.h"

#include "platform/files.h"

Text ExpandEnvironmentText(TextView text) {
    return ExpandEnvironmentText(text, [](const Text& name) { return ReadEnvironmentVariable(name); });
}
