// Message boxes and the process exit. Every box also writes its text to
// stderr; tests replace both so fatal paths can be checked in-process.
#pragma once

namespace aw {

void showMessageBox(const char* title, const char* text);
// Ends the process with the code (through the hook when one is set).
[[noreturn]] void exitProcess(int code);
// Shows the box, then exitProcess(1): the single path of every fatal error.
[[noreturn]] void fatalError(const char* title, const char* text);

using MessageBoxHook = void (*)(const char* title, const char* text);
// The exit hook must not return (tests throw from it).
using ExitHook = void (*)(int code);
void setMessageBoxHook(MessageBoxHook hook);
void setExitHook(ExitHook hook);

} // namespace aw
