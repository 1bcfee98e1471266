#include "platform/long_path.h"

namespace {

const size_t kClassicPathLimit = 260;

bool HasDotParts(TextView path) {
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == TextView::npos) end = path.size();
        TextView part = path.substr(start, end - start);
        if (part == u"." || part == u"..") return true;
        start = end + 1;
    }
    return false;
}

bool IsDriveAbsolute(TextView path) {
    return path.size() >= 3 && ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z')) &&
           path[1] == u':' && path[2] == u'\\';
}

}  // namespace

Text ExtendedLengthPath(TextView path) {
    // Leave room for a file name appended by the caller's pattern (e.g. "*").
    if (path.size() < kClassicPathLimit - 12) return Text(path);
    if (StartsWith(path, u"\\\\?\\") || path.find(u'/') != TextView::npos || HasDotParts(path)) return Text(path);
    if (IsDriveAbsolute(path)) return u"\\\\?\\" + Text(path);
    if (StartsWith(path, u"\\\\")) return u"\\\\?\\UNC\\" + Text(path.substr(2));
    return Text(path);
}
