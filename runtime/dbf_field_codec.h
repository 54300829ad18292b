#pragma once
// Field values between a record buffer and the runtime's values.

#include <string>

#include "runtime/dbf_file.h"
#include "runtime/value.h"

namespace rt {

class DbtMemo;

// Reads field f from a record; M fields read their text through memo (none:
// the empty text).
Value DecodeField(const DbfField& f, const char* record, DbtMemo* memo);
// Number of the memo block that an M field points at (0: none).
std::uint64_t MemoBlockOf(const DbfField& f, const char* record);
void PutMemoBlock(const DbfField& f, char* record, std::uint32_t block);

enum class PutResult { Ok, WrongType, TooWide };
// Writes a value of the field's type into the record; M fields are not
// handled here (their text goes to the memo file first).
PutResult EncodeField(const DbfField& f, char* record, const Value& v);

// Order-preserving key bytes of a value for an index of type keyType
// ('C', 'N', 'D', 'L'). Character keys are not padded here. Numeric keys are
// zero-padded to the key width; negative numbers start with ',' (below '0')
// and carry the nines' complement of their digits, so bytes sort as numbers.
std::string KeyBytes(const Value& v, char keyType, std::uint32_t keySize, std::uint32_t keyDec);
char KeyTypeOf(const Value& v);  // 'C', 'N', 'D', 'L'; 0 when no key can be made of it

}  // namespace rt
