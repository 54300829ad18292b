#pragma once
// What window-design tools save of a window: its properties and its
// designer events with their parameters.

#include <string>
#include <vector>

#include "runtime/value.h"

namespace core {

// aProperties: the names saved, in order.
const std::vector<std::string>& WindowProperties();
// aEvents: each event's name followed by its parameters' names.
const std::vector<std::vector<std::string>>& WindowEvents();

// The same tables as arrays of the class layer.
rt::Value PropertiesArray();
rt::Value EventsArray();

// A file name made from a window caption: its first 8 characters that may
// stand in a file name, with ".dbf" appended.
std::string DbfNameFromCaption(const std::string& caption);

}  // namespace core
