#pragma once

#include <windows.h>

namespace dawnquill {

// Registers the program's window class `name` at its first use in a run. A class of windows the
// user sees gets the arrow cursor and the face of a dialog.
enum class WindowFace { None, Dialog };
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         WindowFace face = WindowFace::None);

// A hidden window that only receives messages, with `self` in its user data. A top-level one
// hears the broadcasts the shell sends (TaskbarCreated); a message-only one hears nothing but
// what is posted to it.
enum class Hearing { Broadcasts, OwnMessagesOnly };
HWND CreateMessageWindow(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, void* self,
                         Hearing hearing);

}  // namespace dawnquill
