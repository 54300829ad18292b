#pragma once
// Arrays that hold each other (a := {}; AADD(a, a)) keep their reference
// counts above zero after the last variable lets go of them, so counting
// alone never frees them. The collector finds such arrays and empties them,
// which lets the counts fall to zero.

#include <cstddef>

namespace rt {

// Empties every array that nothing but other unreachable arrays holds and
// answers how many it emptied. An array held by anything else (a variable,
// a block, an object, C++ code) is kept with everything it reaches. Call it
// only while no other thread works with values.
std::size_t CollectArrayCycles();

// The number of arrays alive now.
std::size_t LiveArrays();

}  // namespace rt
