#pragma once
// A growable array of fixed-size elements in one movable, zero-initialised
// global memory block: a header of four 16-bit fields (capacity in bytes,
// growth step in elements, count, element size) followed by the packed
// elements. Positions are 1-based. The 16-bit fields bound the array: growth
// that would take the element space or the count past 65535 is refused and
// leaves the array as it was.

#include <windows.h>

#include <functional>

namespace svc {

// Room for one step or for count elements, whichever is larger; the count is
// count. An element size of 0 is taken as 2. Null when the size is refused
// or memory runs out.
HGLOBAL GArrayNew(int elemSize, int count);
// Makes room for count elements and sets the count; elements that come into
// the count are zero. False when refused.
bool GArrayResize(HGLOBAL array, int count);
// Positions 0 or above the count are ignored.
void GArrayPut(HGLOBAL array, int pos, const void* elem);
void GArrayGet(HGLOBAL array, int pos, void* out);
// Stores the element behind the last one; its position, 0 when refused.
int GArrayAdd(HGLOBAL array, const void* elem);
int GArrayCount(HGLOBAL array);     // 0 for a null handle
int GArrayCapacity(HGLOBAL array);  // in elements
// The position of the first element from start (0: 1) among at most count
// elements (0: all) for which test is true; 0 when none.
int GArrayScan(HGLOBAL array, const std::function<bool(const void*)>& test, int start = 0, int count = 0);

}  // namespace svc
