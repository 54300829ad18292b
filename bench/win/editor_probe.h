#pragma once
// What the editor benchmark and its probe library, loaded into the
// editor's process, agree on: the probe window's class, its messages and
// the hook's exported name.

#include <windows.h>

namespace editor_probe {

constexpr const char* kClass = "VdEditorProbe";
constexpr const char* kHookName = "EditorProbeHook";
// The hooks on sent messages, before and after the window procedure.
constexpr const char* kSentHookName = "EditorProbeSent";
constexpr const char* kSentDoneHookName = "EditorProbeSentDone";
// With tracing on, the messages of the span go into this file in the
// editor's current folder when the span is read.
constexpr const char* kTraceFile = "editor_probe_trace.txt";

// wParam: the message that starts the next span when the editor takes it
// off its queue; lParam 1 traces the span's messages.
constexpr UINT kArm = WM_APP + 1;
// 1 when nothing waits in the editor's queue, else 0.
constexpr UINT kIdle = WM_APP + 2;
// Microseconds from the armed message to now when it has been taken and
// nothing waits in the queue (all paints done), else -1.
constexpr UINT kSpan = WM_APP + 3;

}  // namespace editor_probe
