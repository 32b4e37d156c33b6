#include "testgame/script.h"

#include <cwctype>

namespace marivel {
namespace {

struct VerbRule {
  const wchar_t* verb;
  size_t minArgs;
  size_t maxArgs;
};

constexpr VerbRule kVerbs[] = {
    {L"new", 0, 0},    {L"save", 0, 0},  {L"load", 0, 0}, {L"suspend", 0, 0}, {L"resume", 0, 0},  {L"inn", 0, 0},
    {L"market", 0, 0}, {L"about", 0, 0}, {L"menu", 1, 1}, {L"date", 3, 3},    {L"items", 0, 16},  {L"city", 1, 1},
    {L"names", 2, 2},  {L"dump", 1, 1},  {L"sync", 0, 0}, {L"wait", 1, 1},    {L"dialog", 0, 64}, {L"type", 2, 64},
    {L"press", 1, 1},  {L"read", 2, 2},  {L"quit", 0, 0},
};

// Verbs whose arguments are all numbers.
bool NumericArgs(const std::wstring& verb) {
  return verb == L"menu" || verb == L"date" || verb == L"items" || verb == L"city" || verb == L"wait" ||
         verb == L"press";
}

std::wstring Check(const Step& step) {
  for (const VerbRule& rule : kVerbs) {
    if (step.verb != rule.verb) continue;
    if (step.args.size() < rule.minArgs || step.args.size() > rule.maxArgs)
      return L"wrong number of arguments for " + step.verb;
    long long n = 0;
    if (NumericArgs(step.verb)) {
      for (const std::wstring& a : step.args)
        if (!ParseNumber(a, n)) return L"not a number for " + step.verb + L": " + a;
    }
    if ((step.verb == L"type" || step.verb == L"read") && !ParseNumber(step.args[0], n))
      return L"not a control id for " + step.verb + L": " + step.args[0];
    return L"";
  }
  return L"unknown step: " + step.verb;
}

}  // namespace

bool ParseNumber(const std::wstring& text, long long& value) {
  if (text.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (text[0] == L'-') {
    negative = true;
    i = 1;
  }
  int base = 10;
  if (text.size() > i + 2 && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    int digit;
    if (c >= L'0' && c <= L'9')
      digit = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f')
      digit = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F')
      digit = c - L'A' + 10;
    else
      return false;
    if (digit >= base || v > 0xFFFFFFFFLL) return false;
    v = v * base + digit;
  }
  value = negative ? -v : v;
  return true;
}

Script ParseScript(const std::wstring& text) {
  Script script;
  Step current;
  std::wstring word;
  bool inWord = false;
  bool quoted = false;
  auto endWord = [&] {
    if (!inWord) return;
    if (current.verb.empty()) {
      for (wchar_t& c : word) c = static_cast<wchar_t>(std::towlower(c));
      current.verb = word;
    } else {
      current.args.push_back(word);
    }
    word.clear();
    inWord = false;
  };
  auto endStep = [&] {
    endWord();
    if (current.verb.empty()) return;
    if (script.error.empty()) {
      const std::wstring problem = Check(current);
      if (!problem.empty()) script.error = L"step " + std::to_wstring(script.steps.size() + 1) + L": " + problem;
    }
    script.steps.push_back(current);
    current = Step{};
  };
  for (wchar_t c : text) {
    if (quoted) {
      if (c == L'"')
        quoted = false;
      else
        word += c;
    } else if (c == L'"') {
      quoted = true;
      inWord = true;
    } else if (c == L';' || c == L'\n' || c == L'\r') {
      endStep();
    } else if (c == L' ' || c == L'\t') {
      endWord();
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted && script.error.empty()) script.error = L"unterminated quote";
  endStep();
  return script;
}

}  // namespace marivel
