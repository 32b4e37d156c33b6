#include "runtime/game_version.h"

#include <windows.h>

#include "runtime/neutral/string_rules.h"
#include "runtime/string_base.h"

namespace keelson {

namespace {
GameVersion cachedVersion = 0;
}  // namespace

GameVersion QueryGameVersion() {
  if (cachedVersion != 0) return cachedVersion;

  StringBaseW path;
  path.AssignModulePath(nullptr);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.Text(), &ignored);
  if (size == 0) return 0;

  BYTE* block = new BYTE[size];
  GameVersion version = 0;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (GetFileVersionInfoW(path.Text(), 0, size, block) &&
      VerQueryValueW(block, L"\\", reinterpret_cast<void**>(&info), &infoSize) && info != nullptr &&
      infoSize >= sizeof(VS_FIXEDFILEINFO)) {
    version = PackFileVersion(info->dwFileVersionMS, info->dwFileVersionLS);
    cachedVersion = version;
  }
  delete[] block;
  return version;
}

}  // namespace keelson
