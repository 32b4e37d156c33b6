// The save files in the game folder, opened the way the game opens them:
// CreateFileA with GENERIC_WRITE to write, GENERIC_READ to read, CREATE_NEW
// for the suspend save, DeleteFileA to remove it. UI thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marivel {

// The folder of the executable, with a trailing backslash (ANSI).
const std::string& GameFolder();

// SAVEDATA.MVR and the account files beside it.
bool WriteRegularSave(const std::vector<uint8_t>& save);
// SAVEDATA.TMP, created new; an old one is deleted first when creation finds it.
bool WriteSuspendSave(const std::vector<uint8_t>& save);
bool ReadRegularSave(std::vector<uint8_t>& save);
bool ReadSuspendSave(std::vector<uint8_t>& save);
// DeleteFileA of SAVEDATA.TMP; true when it is gone afterwards.
bool DeleteSuspendSave();

}  // namespace marivel
