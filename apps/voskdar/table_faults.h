#pragma once
// While alive, every table error that may default is recorded and defaulted
// (an open then fails quietly with NETERR() set), so that the search can
// name the file in its own message and go on with the next table. Other
// errors reach the program's error block.

#include <string>

#include "runtime/error.h"
#include "runtime/table_fault.h"

namespace voskdar {

class FaultRecorder {
 public:
  FaultRecorder();
  FaultRecorder(const FaultRecorder&) = delete;
  FaultRecorder& operator=(const FaultRecorder&) = delete;

  bool Any() const noexcept { return any_; }
  // The file the last error named ("" when none did).
  const std::string& File() const noexcept { return file_; }
  // The last error's description, in Windows-1252.
  std::string Reason() const;
  // Records a fault the search caught from the driver itself.
  void Record(const rt::TableFault& fault, std::string_view operation);
  void Clear() noexcept;

 private:
  void Record(const rt::Error& error);
  bool any_ = false;
  std::string file_, description_;
  rt::ErrorBlockScope scope_;
};

}  // namespace voskdar
