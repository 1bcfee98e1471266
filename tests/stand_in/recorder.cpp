// Stand-in for launched programs: appends "<command line>\t<current folder>\n"
// (UTF-8) to the file named by ORVANTO_RECORD, or to <exe name>.record.txt
// beside itself, then exits 0.
#include <windows.h>

#include <string>

namespace {

std::wstring RecordFileName() {
  wchar_t buffer[32768];
  DWORD length = GetEnvironmentVariableW(L"ORVANTO_RECORD", buffer, 32768);
  if (length > 0 && length < 32768) return std::wstring(buffer, length);
  length = GetModuleFileNameW(nullptr, buffer, 32768);
  std::wstring own(buffer, length);
  size_t dot = own.rfind(L'.');
  size_t slash = own.rfind(L'\\');
  if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) own.resize(dot);
  return own + L".record.txt";
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t folder[32768];
  DWORD folderLength = GetCurrentDirectoryW(32768, folder);
  std::string record = Utf8(GetCommandLineW()) + "\t" + Utf8(std::wstring(folder, folderLength)) + "\n";
  std::wstring name = RecordFileName();
  // Several stand-ins may append at once; retry while another holds the file.
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE file = CreateFileW(name.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
      CloseHandle(file);
      break;
    }
    Sleep(10);
  }
  return 0;
}
