#pragma once
// UTF-8 text of the dictionary sources to the Windows-1252 bytes that the
// word tables hold; characters without a 1252 form become '?'.

#include <string>
#include <string_view>

std::string Utf8ToCp1252(std::string_view utf8);
