#include "settings/preference_file.h"

#include "platform/files.h"

#include <string>

namespace {

struct OpenPreferenceFile {
    bool isOpen = false;
    Text path;
    PreferenceDocument document;
};

OpenPreferenceFile gPreferenceFile;

}  // namespace

namespace PreferenceFile {

bool Create(const Text& path) {
    Close();
    if (!CanCreateOrReplaceFile(path)) return false;
    gPreferenceFile.isOpen = true;
    gPreferenceFile.path = path;
    gPreferenceFile.document = PreferenceDocument{};
    gPreferenceFile.document.mustWrite = true;
    return true;
}

bool Open(const Text& path) {
    Close();
    std::string bytes;
    if (!ReadWholeFile(path, bytes, false)) return false;
    gPreferenceFile.isOpen = true;
    gPreferenceFile.path = path;
    gPreferenceFile.document = ParsePreferenceBytes(bytes);
    return true;
}

bool SelectGroup(const Text& name) {
    if (!gPreferenceFile.isOpen) return false;
    return SelectPreferenceGroup(gPreferenceFile.document, name);
}

void AddComment(const Text& text) {
    if (gPreferenceFile.isOpen) AddPreferenceComment(gPreferenceFile.document, text);
}

void WriteInteger(const Text& key, int32_t value) {
    if (gPreferenceFile.isOpen) WritePreferenceInteger(gPreferenceFile.document, key, value);
}

void WriteString(const Text& key, const Text& value) {
    if (gPreferenceFile.isOpen) WritePreferenceString(gPreferenceFile.document, key, value);
}

int64_t ReadInteger(const Text& key, int64_t fallback) {
    if (!gPreferenceFile.isOpen) return fallback;
    return ReadPreferenceInteger(gPreferenceFile.document, key, fallback);
}

Text ReadString(const Text& key, const Text& fallback) {
    if (!gPreferenceFile.isOpen) return fallback;
    return ReadPreferenceString(gPreferenceFile.document, key, fallback);
}

bool Close() {
    if (!gPreferenceFile.isOpen) return true;
    bool ok = true;
    if (gPreferenceFile.document.mustWrite)
        ok = ReplaceFileContent(gPreferenceFile.path, SerializePreferenceDocument(gPreferenceFile.document));
    gPreferenceFile = OpenPreferenceFile{};
    return ok;
}

}  // namespace PreferenceFile
