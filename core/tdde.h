#pragma once
// A small DDE client. Every TDde is kept in a registry in creation order;
// the window class reports the answers of servers through DDEACK and
// DDETERMINATE. One process-wide state follows the conversation: 0 at
// start, 992 while a conversation is being opened, 1000 while a command
// waits for its answer, 996 after an answer arrived.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace core {

class TDde : public rt::Object {
 public:
  RT_CLASS_DECL()

  long nService = 0, nTopic = 0, nItem = 0;  // global atoms of the three names
  rt::Value bAction, bEnd;
  rt::Value oWndServer;  // the server's window as a TWindow, NIL until it answers
  bool lActive = false;

  // Adds an atom for each name and enters the object in the registry.
  TDde& New(const std::string& cService, const std::string& cTopic, const std::string& cItem = "",
            rt::Value action = {}, rt::Value end = {});
  // Asks every top-level window for the service and topic.
  void Activate();
  // Sends the command and waits, with the program's windows alive, until the
  // server acknowledges it. NIL then (and after the alert for an object
  // without a server); .F. when the server window is gone, the command
  // cannot be sent or the program is told to quit.
  rt::Value Execute(const std::string& cCommand);
  // Tells an active server goodbye, runs bEnd once and drops the atoms. A
  // second End does nothing.
  void End();
};

// The window class calls these for every acknowledge and terminate message.
void DDEACK(HWND hWndServer, LPARAM nLParam);
// A terminate from a window no registered conversation talks to is answered
// with a terminate marked as an answer (1), which itself is never answered.
// The answer comes from hWndSelf, the window the terminate reached (the
// main window when not given), so that the partner knows who answers.
void DDETERMINATE(HWND hWnd, LPARAM nLParam = 0, HWND hWndSelf = nullptr);

// The registry and the state, for the window class and the tests.
const std::vector<std::shared_ptr<TDde>>& DdeRegistry();
long DdeState();

}  // namespace core
