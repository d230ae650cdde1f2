// version-info FILE: prints the version resource of a DLL or program as Explorer's file
// properties show it, one "Name: value" line each, so a test can read it back under Wine.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
// The US English, Unicode block: the one our resources carry.
constexpr wchar_t kStringBlock[] = L"\\StringFileInfo\\040904B0\\";
constexpr const wchar_t* kStringNames[] = {L"ProductName",    L"FileDescription",
                                           L"FileVersion",    L"ProductVersion",
                                           L"LegalCopyright", L"OriginalFilename"};

std::vector<char> ReadVersionResource(const wchar_t* file) {
  DWORD ignored = 0;
  std::vector<char> data(GetFileVersionInfoSizeW(file, &ignored));
  if (data.empty() || !GetFileVersionInfoW(file, 0, static_cast<DWORD>(data.size()), data.data())) {
    return {};
  }
  return data;
}

void PrintFixedVersion(std::vector<char>& data) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) &&
      size >= sizeof *fixed) {
    std::printf("Fixed: %u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
                LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS));
  }
}

void PrintString(std::vector<char>& data, const wchar_t* name) {
  const std::wstring path = std::wstring(kStringBlock) + name;
  wchar_t* value = nullptr;
  UINT length = 0;
  if (VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
    std::printf("%ls: %ls\n", name, value);
  }
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: version-info FILE\n");
    return 2;
  }
  std::vector<char> data = ReadVersionResource(argv[1]);
  if (data.empty()) {
    std::fprintf(stderr, "version-info: %ls has no version resource\n", argv[1]);
    return 1;
  }
  PrintFixedVersion(data);
  for (const wchar_t* name : kStringNames) {
    PrintString(data, name);
  }
  return 0;
}
