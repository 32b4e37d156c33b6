#include "testgame/control.h"

#include <string>
#include <vector>

#include "testgame/game_commands.h"
#include "testgame/game_state.h"
#include "testgame/game_window.h"
#include "testgame/state_dump.h"

namespace marivel {
namespace {

constexpr DWORD kStepTimeoutMs = 30000;
constexpr DWORD kDialogTimeoutMs = 10000;

// A step handed to the UI thread. Both threads hold a reference, so a
// control thread that gave up waiting leaves a valid record behind.
struct PostedStep {
  Step step;
  HANDLE done = nullptr;
  volatile LONG started = 0;
  volatile LONG references = 2;
  bool ok = false;
};

void Release(PostedStep* p) {
  if (InterlockedDecrement(&p->references) == 0) {
    CloseHandle(p->done);
    delete p;
  }
}

Script g_script;
HANDLE g_thread = nullptr;
DWORD g_uiThread = 0;
volatile LONG g_failed = 0;
int g_depth = 0;  // UI thread: steps running, more than one only when nested in a dialog
unsigned g_lastCommand = 0;
bool g_lastCommandOk = true;

std::wstring GameFolderW() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, length);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

std::wstring ResolvePath(const std::wstring& path) {
  const bool absolute =
      (path.size() > 1 && path[1] == L':') || (!path.empty() && (path[0] == L'\\' || path[0] == L'/'));
  return absolute ? path : GameFolderW() + path;
}

// The arguments from `first` on, joined by single blanks.
std::wstring Joined(const std::vector<std::wstring>& args, size_t first) {
  std::wstring text;
  for (size_t i = first; i < args.size(); ++i) text += (i > first ? L" " : L"") + args[i];
  return text;
}

long long Number(const std::wstring& text) {
  long long v = 0;
  ParseNumber(text, v);
  return v;
}

void Report(const std::string& line) {
  HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  if (err == nullptr || err == INVALID_HANDLE_VALUE) return;
  const std::string text = "marivel: " + line + "\n";
  DWORD written = 0;
  WriteFile(err, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string Narrow(const std::wstring& text, UINT codePage) {
  const int n = WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.resize(static_cast<size_t>(n - 1));
  return out;
}

// --- UI thread -----------------------------------------------------------

unsigned GameCommandOf(const std::wstring& verb) {
  if (verb == L"new") return kCmdNewGame;
  if (verb == L"save") return kCmdSave;
  if (verb == L"load") return kCmdLoad;
  if (verb == L"suspend") return kCmdSuspend;
  if (verb == L"resume") return kCmdResume;
  if (verb == L"inn") return kCmdInn;
  if (verb == L"market") return kCmdMarket;
  if (verb == L"about") return kCmdAbout;
  return 0;
}

bool RunUiStep(const Step& step) {
  HWND window = MainWindow();
  const std::wstring& v = step.verb;
  if (const unsigned id = GameCommandOf(v)) {
    // Through the window procedure, as the menu would; it may have been
    // subclassed by others, so the result comes from NoteCommandResult.
    g_lastCommand = 0;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return id == kCmdAbout || (g_lastCommand == id && g_lastCommandOk);
  }
  if (v == L"menu") {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(Number(step.args[0])), 0), 0);
    return true;
  }
  if (v == L"date") {
    for (int i = 0; i < 3; ++i) GameDate()[i] = static_cast<int32_t>(Number(step.args[i]));
  } else if (v == L"items") {
    for (int i = 0; i < kCarriedSlots; ++i)
      CarriedItems()[i] = i < static_cast<int>(step.args.size()) ? static_cast<int32_t>(Number(step.args[i])) : -1;
  } else if (v == L"city") {
    State().city = static_cast<uint8_t>(Number(step.args[0]));
  } else if (v == L"names") {
    SetNameField(State().firstName, Narrow(step.args[0], CP_ACP).c_str());
    SetNameField(State().secondName, Narrow(step.args[1], CP_ACP).c_str());
  } else if (v == L"dump") {
    return WriteStateDump(ResolvePath(step.args[0]), g_lastCommand, g_lastCommandOk);
  } else if (v == L"quit") {
    return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE;
  }
  // "sync" runs nothing: that it ran at all is its result.
  InvalidateRect(window, nullptr, FALSE);
  return true;
}

// --- control thread ------------------------------------------------------

struct DialogSearch {
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK FindDialogProc(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  wchar_t className[16] = {};
  if (!IsWindowVisible(window) || !GetClassNameW(window, className, 16) || lstrcmpW(className, L"#32770") != 0)
    return TRUE;
  if (search->caption && !search->caption->empty()) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (*search->caption != text) return TRUE;
  }
  search->found = window;
  return FALSE;
}

HWND FindUiDialog(const std::wstring* caption) {
  DialogSearch search{caption, nullptr};
  EnumThreadWindows(g_uiThread, FindDialogProc, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool PostToUi(const Step& step) {
  auto* p = new PostedStep;
  p->step = step;
  p->done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!PostMessageW(MainWindow(), kStepMessage, 0, reinterpret_cast<LPARAM>(p))) {
    CloseHandle(p->done);
    delete p;
    return false;
  }
  // Done when the step has run, or when it has started and now waits in a
  // dialog (a later step will answer it). "sync" waits for the end only.
  const bool mayStopAtDialog = step.verb != L"sync";
  const DWORD start = GetTickCount();
  bool ok = false;
  for (;;) {
    if (WaitForSingleObject(p->done, 20) == WAIT_OBJECT_0) {
      ok = p->ok;
      break;
    }
    if (mayStopAtDialog && p->started && FindUiDialog(nullptr)) {
      ok = true;
      break;
    }
    if (GetTickCount() - start > kStepTimeoutMs || !IsWindow(MainWindow())) break;
  }
  Release(p);
  return ok;
}

bool RunControlStep(const Step& step, HWND& dialog) {
  const std::wstring& v = step.verb;
  if (v == L"wait") {
    Sleep(static_cast<DWORD>(Number(step.args[0])));
    return true;
  }
  if (v == L"dialog") {
    const std::wstring caption = Joined(step.args, 0);
    const DWORD start = GetTickCount();
    while (!(dialog = FindUiDialog(&caption))) {
      if (GetTickCount() - start > kDialogTimeoutMs) return false;
      Sleep(20);
    }
    return true;
  }
  if (v == L"type" || v == L"press" || v == L"read") {
    if (!IsWindow(dialog)) return false;
    HWND control = GetDlgItem(dialog, static_cast<int>(Number(step.args[0])));
    if (!control) return false;
    DWORD_PTR result = 0;
    if (v == L"type")
      return SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Joined(step.args, 1).c_str()),
                                 SMTO_NORMAL, 5000, &result) != 0;
    if (v == L"press") {
      // Posted, so that a button that opens another dialog does not hold the
      // control thread; the empty message sent after it returns once the press
      // has been handled or a nested dialog loop runs.
      if (!PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                        reinterpret_cast<LPARAM>(control)))
        return false;
      SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
      return true;
    }
    wchar_t text[1024] = {};
    SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &result);
    const std::string utf8 = Narrow(text, CP_UTF8);
    HANDLE file = CreateFileW(ResolvePath(step.args[1]).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) != 0;
    CloseHandle(file);
    return ok;
  }
  return PostToUi(step);
}

DWORD WINAPI ControlThread(void*) {
  HWND dialog = nullptr;
  for (size_t i = 0; i < g_script.steps.size(); ++i) {
    const Step& step = g_script.steps[i];
    const bool ok = RunControlStep(step, dialog);
    if (!ok) InterlockedExchange(&g_failed, 1);
    std::wstring line = step.verb;
    for (const std::wstring& a : step.args) line += L" " + a;
    Report("step " + std::to_string(i + 1) + " " + Narrow(line, CP_UTF8) + (ok ? ": ok" : ": FAILED"));
  }
  Report("script done");
  return 0;
}

}  // namespace

void StartControl(const Script& script) {
  g_uiThread = GetCurrentThreadId();
  g_script = script;
  if (!script.error.empty()) {
    InterlockedExchange(&g_failed, 1);
    Report("script not run: " + Narrow(script.error, CP_UTF8));
    return;
  }
  if (script.steps.empty()) return;
  g_thread = CreateThread(nullptr, 0, ControlThread, nullptr, 0, nullptr);
  if (!g_thread) InterlockedExchange(&g_failed, 1);
}

void StopControl() {
  if (!g_thread) return;
  WaitForSingleObject(g_thread, 2000);
  CloseHandle(g_thread);
  g_thread = nullptr;
}

void HandleStepMessage(LPARAM posted) {
  auto* p = reinterpret_cast<PostedStep*>(posted);
  if (g_depth > 0) {
    // Nested in the modal loop of an earlier step: run after it.
    Sleep(1);
    if (PostMessageW(MainWindow(), kStepMessage, 0, posted)) return;
  } else {
    InterlockedExchange(&p->started, 1);
    ++g_depth;
    p->ok = RunUiStep(p->step);
    --g_depth;
  }
  SetEvent(p->done);
  Release(p);
}

void NoteCommandResult(unsigned id, bool ok) {
  g_lastCommand = id;
  g_lastCommandOk = ok;
}

int ControlExitCode() { return g_failed ? 2 : 0; }

}  // namespace marivel
