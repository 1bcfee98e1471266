#include "browser/run_field.h"

#include "browser/latin_case.h"

bool ShowsPlaceholder(TextView fieldText) { return fieldText == RunFieldPlaceholder; }

bool HoldsCommand(TextView fieldText) { return !fieldText.empty() && !ShowsPlaceholder(fieldText); }

TypedCommand SplitTypedCommand(TextView text) {
    size_t blank = text.find(u' ');
    if (blank == TextView::npos) return {Text(text), Text()};
    return {Text(text.substr(0, blank)), Text(text.substr(blank))};
}

bool MatchesSearchPrefix(TextView fileName, TextView typed) {
    if (typed.size() > fileName.size()) return false;
    return EqualsIgnoringLatinCase(fileName.substr(0, typed.size()), typed);
}

Text SearchFolder(TextView systemRoot) {
    Text folder(systemRoot);
    if (!EndsWith(folder, u"\\")) folder += u'\\';
    return folder + u"System32\\";
}
