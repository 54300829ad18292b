#pragma once
// Code pages 850 (the DOS-era data and the "DE" language table) and 1252
// (every character value of the programs), by explicit tables of our own.
//
// The 97 characters that both pages have convert to each other. The rest
// pair up so that every byte survives a round trip in either direction: the
// 1252 bullet and dashes take 850's square and single and double
// horizontal bars, the other 1252 punctuation (and its five unused bytes)
// takes 850's remaining box-drawing characters in byte order. Bytes below
// 0x80 are the same in both.

#include <string>
#include <string_view>

namespace rt {

unsigned char Cp850To1252(unsigned char c);
unsigned char Cp1252To850(unsigned char c);
std::string Cp850To1252(std::string_view s);
std::string Cp1252To850(std::string_view s);

// The Unicode character of a byte in each page; 0 for the five bytes that
// 1252 leaves undefined.
char32_t Cp850ToUnicode(unsigned char c);
char32_t Cp1252ToUnicode(unsigned char c);

}  // namespace rt
