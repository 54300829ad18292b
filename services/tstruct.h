#pragma once
// A byte buffer with named, typed members laid out like a native record, for
// records that platform functions take. Members lie in the order added, each
// right after the one before, with no gaps.
//
// Member widths by type code (the codes of the call descriptor, with widths
// of their own): 1 and 2 one byte; 3, 4 and 5 two bytes; 7, 9, 10 and 12
// four bytes; 8 is a text of the length given when the member is added.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace svc {

class TStruct : public rt::Object {
 public:
  RT_CLASS_DECL()

  struct Member {
    std::string name;  // upper case
    int type = 0;
    int len = 0;
    int offset = 0;
  };

  std::string cBuffer;
  std::vector<Member> members;

  TStruct& New();
  // nLen defaults by type; appends nLen zero bytes to the buffer.
  TStruct& AddMember(std::string_view cName, int nType, std::optional<int> nLen = {});
  // nIndex is 1-based; an index outside the members does nothing (NIL).
  void SetMember(int nIndex, const rt::Value& uValue);
  rt::Value GetMember(int nIndex) const;
  int SizeOf() const { return static_cast<int>(cBuffer.size()); }

  // 1-based index of the member of that name (any case), 0 when none.
  int MemberIndex(std::string_view cName) const;
  // {upper-case name, type code, length, offset} per member.
  rt::Value aMembers() const;

  // Messages the class does not know: a member's name reads it, "_" and the
  // name assigns it; anything else raises "Message not found" (subcode 1004
  // for a read, 1005 for an assignment), whose substitute value is returned.
  // The class hands these to OnError from rt::Send.
  rt::Value OnError(std::string_view cMessage, rt::Args args);
};

}  // namespace svc
