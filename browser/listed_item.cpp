#include "browser/listed_item.h"

#include "browser/folder_names.h"
#include "browser/latin_case.h"

#include <algorithm>
#include <unordered_set>

Text FolderMarker(int64_t sortMode) { return DecimalText(sortMode); }

Text ShortcutMarker(int64_t sortMode) { return DecimalText(sortMode ^ 1); }

Text BuildListedItem(ItemKind kind, TextView storedName, int64_t icon, int64_t sortMode) {
    Text item = kind == ItemKind::Folder ? FolderMarker(sortMode) : ShortcutMarker(sortMode);
    item += storedName;
    item += u'"';
    item += DecimalText(icon);
    return item;
}

ListedItemParts ParseListedItem(TextView item, int64_t sortMode) {
    ListedItemParts parts;
    Text folder = FolderMarker(sortMode);
    Text shortcut = ShortcutMarker(sortMode);
    size_t markerLength = 0;
    if (StartsWith(item, folder)) {
        parts.kind = ItemKind::Folder;
        markerLength = folder.size();
    } else if (StartsWith(item, shortcut)) {
        parts.kind = ItemKind::Shortcut;
        markerLength = shortcut.size();
    } else {
        return parts;
    }
    size_t quote = item.find(u'"', markerLength);
    if (quote == TextView::npos) {
        parts.storedName = Text(item.substr(markerLength));
        return parts;
    }
    parts.storedName = Text(item.substr(markerLength, quote - markerLength));
    parts.icon = ParseLeadingInteger(item.substr(quote + 1));
    return parts;
}

Text DisplayText(TextView storedName) {
    size_t dot = storedName.rfind(u'.');
    return Text(dot == TextView::npos ? storedName : storedName.substr(0, dot));
}

bool ListedItemLess(TextView a, TextView b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        char16_t x = AsciiLower(a[i]), y = AsciiLower(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

void SortListedItems(std::vector<Text>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const Text& a, const Text& b) { return ListedItemLess(a, b); });
}

Text ParentFolder(TextView folder) {
    if (folder.size() <= 3) return Text(folder);
    TextView rest = folder;
    if (rest.back() == u'\\') rest.remove_suffix(1);
    size_t slash = rest.rfind(u'\\');
    return slash == TextView::npos ? Text() : Text(rest.substr(0, slash + 1));
}

static bool IsListedFileExtension(TextView extension) {
    static const char16_t* const listed[] = {u"lnk", u"url", u"html", u"htm"};
    for (const char16_t* e : listed)
        if (extension == e) return true;
    return false;
}

CollectedItems MergeFolderItems(const std::vector<RootEntries>& roots, TextView folder,
                                const ListingOptions& options, const IconLookup& lookupIcon) {
    CollectedItems result;
    const Text folderMarker = FolderMarker(options.sortMode);
    const Text shortcutMarker = ShortcutMarker(options.sortMode);
    // Keys in lower case: the first root that holds a name wins, whatever its case.
    std::unordered_set<Text> seen;
    for (const RootEntries& root : roots) {
        for (const ListingEntry& entry : root.entries) {
            const Text& name = entry.name;
            if (name.empty() || name[0] == u'.') continue;
            // No file system gives these; they would break the item text.
            if (name.find_first_of(u"\"\\") != Text::npos) continue;
            Text extension = LowerExtension(name);
            if (extension == u"ini") continue;
            Text key;
            if (entry.isFolder) {
                if (EqualsIgnoringLatinCase(name, u"programme")) continue;
                key = folderMarker + TranslateFolderName(name, options.renameFolders);
            } else {
                if (!IsListedFileExtension(extension)) continue;
                key = shortcutMarker + name;
            }
            if (!seen.insert(LatinLowerText(key)).second) continue;
            int64_t icon = lookupIcon ? lookupIcon(root.root + Text(folder) + name) : 0;
            if (icon != 0) result.icons.push_back(icon);
            key += u'"';
            key += DecimalText(icon);
            result.items.push_back(std::move(key));
        }
    }
    SortListedItems(result.items);
    return result;
}
