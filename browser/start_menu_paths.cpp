#include "browser/start_menu_paths.h"

Text ResolveStartMenuPath(TextView relative, const std::vector<Text>& roots, const ExistenceTest& exists) {
    for (const Text& root : roots) {
        Text full = root + Text(relative);
        if (exists(full)) return full;
    }
    return Text(relative);
}

Text SearchResultItemPath(TextView systemRoot, TextView rowText) {
    Text path(systemRoot);
    if (!EndsWith(path, u"\\")) path += u'\\';
    return path + u"SysWOW64\\" + Text(rowText);
}

Text ListRowItemPath(TextView relative, TextView userStartMenu, TextView commonStartMenu, const ExistenceTest& exists) {
    Text path = Text(userStartMenu) + Text(relative);
    if (exists(path)) return path;
    return Text(commonStartMenu) + Text(relative);
}

Text TargetFolderToOpen(TextView path, TextView target, TextView programFiles, TextView programFilesX86,
                        const ExistenceTest& exists) {
    Text chosen(path);
    Text candidate(target);
    if (candidate.empty()) {
        size_t slash = path.rfind(u'\\');
        Text last(slash == TextView::npos ? path : path.substr(slash + 1));
        candidate = Text(programFiles) + u"\\" + last + u"\\";
        if (!exists(candidate)) candidate = Text(programFilesX86) + u"\\" + last + u"\\";
    }
    if (!candidate.empty() && exists(candidate)) chosen = candidate;
    if (!exists(chosen)) return Text();
    return FolderPart(chosen);
}
