#pragma once
// Older names of the class library kept working: call-stack queries, the
// error for a message a class does not have, message sending by name to
// objects and arrays of objects, and functions that now do nothing.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/error.h"
#include "runtime/value.h"

namespace svc {

// Call-stack queries; level 0 is the function that asks, 1 its caller.
// C++ functions keep no locals or statics the runtime could see, so their
// counts are 0 and their values NIL.
int LOCALCOUNT(int nLevel);
int PARAMCOUNT(int nLevel);
rt::Value GETPARAM(int nLevel, int nParam);
rt::Value GETLOCAL(int nLevel, int nLocal);
int NSTATICS();

// The program's memory in use and its peak in bytes: MEMORY(1001) and
// MEMORY(1002).
double MEMUSED();
double MEMMAX();

// A 16-bit window handle widened to the 32-bit form: the upper 16 bits set.
std::uint32_t GETHWND32(std::uint32_t nHandle);

// 1 when the object's class is the class of oClass or derived from it, or
// the two class names are equal ignoring case; else 0.
int CHILDLEVEL(const rt::Value& oObject, const rt::Value& oClass);

// A shallow copy of the object; NIL for a non-object or a class that cannot
// be made without arguments.
rt::Value OCLONE(const rt::Value& oObject);

// _GENERROR: the error for a message that the class does not have.
rt::ErrorPtr GenError(int nSubCode, std::string_view cClassName, std::string_view cMessage);
// _CLSSETERROR: hands the error to the error block; its answer (.T. retry,
// .F. default, or the substituted value).
rt::Value ClsSetError(const rt::ErrorPtr& oError);

// Sends the message ("Refresh()" or "Refresh") with up to 10 arguments;
// further ones are dropped.
rt::Value OSEND(const rt::Value& oObject, std::string_view cMessage, rt::Args args = {});
// OSEND to every object of the array; NIL.
rt::Value ASEND(const rt::Value& aObjects, std::string_view cMessage, rt::Args args = {});

// Functions of older versions that now answer a constant.
int NTXPOS(rt::Args);
int NINITDSSIZE(rt::Args);
int NSYMPSIZE(rt::Args);
int NSTACKSIZE(rt::Args);
int NHEAPSIZE(rt::Args);
rt::Value ULOADOBJECT(rt::Args);
rt::Value VBXEVENT(rt::Args);
rt::Value LOADVBX(rt::Args);
rt::Value TVBCONTROL(rt::Args);
rt::Value WINDOWSFIX(rt::Args);
rt::Value SETMULTIPLE(rt::Args);
std::string VBXCLASSNAME(rt::Args);

}  // namespace svc
