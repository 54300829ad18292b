#pragma once
// The xBase array functions. Positions are 1-based; a missing start or count
// means "from the first" and "to the end".

#include <optional>

#include "runtime/value.h"

namespace rt {

Value AADD(const Value& array, Value item);  // returns the item
Value ASIZE(const Value& array, std::size_t newLen);
Value ADEL(const Value& array, std::size_t pos);  // shifts left, NIL at the end
Value AINS(const Value& array, std::size_t pos);  // shifts right, NIL at pos, drops the last
// Position of the first element equal ("=") to the value, or for which the
// block returns .T.; 0 when none.
std::size_t ASCAN(const Value& array, const Value& search, std::optional<std::size_t> start = {},
                  std::optional<std::size_t> count = {});
// Stable sort; the block answers whether its first argument goes first.
Value ASORT(const Value& array, std::optional<std::size_t> start = {}, std::optional<std::size_t> count = {},
            const Value& order = Value());
Value ACLONE(const Value& array);  // deep copy of nested arrays; objects stay shared
Value AEVAL(const Value& array, const Value& block, std::optional<std::size_t> start = {},
            std::optional<std::size_t> count = {});
Value ATAIL(const Value& array);
Value AFILL(const Value& array, const Value& item, std::optional<std::size_t> start = {},
            std::optional<std::size_t> count = {});
Value ARRAY(std::size_t len);

}  // namespace rt
