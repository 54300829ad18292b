#pragma once
// The xBase table functions over the work areas, with their xBase names.
// Functions without a table in use read as the empty answer (EOF() is .T.,
// RECNO() 0); functions that would change a table raise "no table".
// Failures reach the error block as error objects (subsystem "DBFNTX").

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/value.h"

namespace rt {

// Drivers.
std::string RDDSETDEFAULT(std::string_view driver = {});  // returns the previous default
Value RDDLIST();
std::string RDDNAME();

// Work areas.
// Opens file (".DBF" added when it has no extension) in the current area,
// or the first free one when newArea is set. shared defaults to the
// opposite of SET EXCLUSIVE. An open that fails and is defaulted by the
// error block leaves the area unused and NETERR() true.
bool DBUSEAREA(bool newArea, std::string_view driver, std::string_view file, std::string_view alias = {},
               std::optional<bool> shared = {}, bool readOnly = false);
void DBCLOSEAREA();
void DBCLOSEALL();
int SELECT();                       // the current area
int SELECT(std::string_view alias); // 0 when no such alias
int DBSELECTAREA(int area);         // 0 selects the first free area; returns the new one
int DBSELECTAREA(std::string_view alias);
std::string ALIAS(int area = 0);
bool USED();
// (alias)->(expression): evaluates fn with the area selected; an unknown
// alias raises EG_NOALIAS and gives NIL.
Value AliasEval(const Value& alias, const std::function<Value()>& fn);

// Structure: DBCREATE replaces an existing file; struct is an array of
// {name, type, length, decimals}.
bool DBCREATE(std::string_view file, const Value& structure, std::string_view driver = {});
Value DBSTRUCT();
int FCOUNT();
std::string FIELDNAME(int index);
int FIELDPOS(std::string_view name);
Value FIELDGET(int index);
Value FIELDGET(std::string_view name);
Value FIELDPUT(int index, const Value& v);  // returns v; ignored on the phantom record
Value FIELDPUT(std::string_view name, const Value& v);

// Movement.
void DBGOTOP();
void DBGOBOTTOM();
void DBSKIP(long n = 1);
void DBGOTO(long recno);
long RECNO();
long RECCOUNT();
long LASTREC();
bool BOF();
// EOF(); the C library owns the name EOF as a macro.
bool DbEof();
bool FOUND();
// DBEVAL from the top (ALL) or while the while block holds.
void DBEVAL(const Value& block, const Value& forCond = {}, const Value& whileCond = {});
long COUNT(const Value& forCond = {});

// Records.
void DBAPPEND();
void DBDELETE();
void DBRECALL();
bool DELETED();
void DBCOMMIT();
void DBCOMMITALL();
bool RLOCK();
bool DBRLOCK(long recno = 0);
void DBUNLOCK();
void DbPack();  // __DBPACK
void DbZap();   // __DBZAP
// __DBCOPY: copies the rows of the current area (from the top, in the active
// order, deleted rows with their mark) that satisfy forCond into a new
// dBase III table; fields is an array of names (empty: all).
bool DbCopy(std::string_view file, const Value& fields = {}, const Value& forCond = {});
// DbCopy of exactly these records of the selected area, in this order (a
// caller that has found its rows without walking the whole order).
bool DbCopyRecords(std::string_view file, const std::vector<std::uint32_t>& recnos, const Value& fields = {});
// __DBAPP: appends every row of file, fields matched by name, marks carried.
bool DbApp(std::string_view file, const Value& fields = {});

// Orders.
bool ORDLISTADD(std::string_view file);  // ".NTX" added when it has no extension
void ORDLISTCLEAR();
// Selects an order by number (0: natural order) or name; returns the
// previous order's name. NIL only asks.
std::string ORDSETFOCUS(const Value& order = {});
int INDEXORD();
std::string ORDKEY(const Value& order = {});
std::string INDEXKEY(int order = 0);
std::string ORDNAME(int order = 0);
long ORDKEYNO();
long ORDKEYCOUNT();
// Goes to the entry with that key number of the controlling order (the
// record number without one); past the last entry: end of file. Walks the
// order from its top, like ORDKEYNO. .T. when it landed on an entry.
bool ORDKEYGOTO(long n);
// Conditions for the next ORDCREATE: all records; evalBlock evaluated every
// `every` records (0: every record); a .F. from it stops the build.
void ORDCONDSET(bool all, const Value& evalBlock = {}, long every = 0);
// Builds file (".NTX" added) from every record with the key text; keyBlock
// NIL compiles the text. The new order stays open with focus.
bool ORDCREATE(std::string_view file, std::string_view name, std::string_view keyText,
               const Value& keyBlock = {}, bool unique = false);
// NIL softSeek takes SET SOFTSEEK.
bool DBSEEK(const Value& key, std::optional<bool> softSeek = {});

}  // namespace rt
