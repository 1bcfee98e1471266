#include "browser/folder_names.h"

#include "browser/latin_case.h"

// Row 0 is the one German name that is matched against the whole text only.
const FolderNamePair FolderNameTable[7] = {
    {u"Programs", u"Programme"},
    {u"Accessories", u"Zubehör"},
    {u"Maintenance", u"Wartung"},
    {u"Startup", u"Autostart"},
    {u"Administrative Tools", u"Verwaltung"},
    {u"Accessibility", u"Erleichterte Bedienung"},
    {u"System Tools", u"Systemprogramme"},
};

Text TranslateFolderName(TextView text, int64_t renameFolders) {
    if (renameFolders != 1) return Text(text);
    size_t slash = text.rfind(u'\\');
    TextView last = slash == TextView::npos ? text : text.substr(slash + 1);

    if (EqualsIgnoringLatinCase(text, FolderNameTable[0].german)) return Text(FolderNameTable[0].english);
    for (size_t row = 1; row < 7; ++row) {
        if (EqualsIgnoringLatinCase(last, FolderNameTable[row].german))
            return Text(text.substr(0, text.size() - last.size())) + FolderNameTable[row].english;
    }
    for (const FolderNamePair& pair : FolderNameTable) {
        if (EqualsIgnoringLatinCase(text, pair.english)) return Text(pair.german);
    }
    return Text(text);
}
