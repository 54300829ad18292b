#pragma once
// The editor's settings: read at start (lRead true), written at exit.

namespace dravonel {

bool CHECKINI(bool lRead);

}  // namespace dravonel
