#include "runtime/module_attach.h"

#include <clocale>

namespace keelson {

namespace {
HINSTANCE moduleInstance = nullptr;
}  // namespace

void BeginProcessAttach(HINSTANCE instance) {
  _wsetlocale(LC_ALL, L"japanese");
  moduleInstance = instance;
}

HINSTANCE ModuleInstance() { return moduleInstance; }

}  // namespace keelson
