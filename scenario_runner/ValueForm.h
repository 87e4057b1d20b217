// How a parameter's value is written in a scenario file, by kind of parameter.
#pragma once

#include <string>

#include "standin_host/Project.h"

namespace scenario {

enum class ValueForm {
  None,         // the input layer: holds no value
  Number,       // 2.5
  WholeNumber,  // 3
  Boolean,      // true
  TypeChoice,   // "Point" or 5
  Colour,       // {"alpha": 1, "red": 0.5, "green": 0, "blue": 0}, each 0 to 1
  Point,        // [x, y]
};

ValueForm FormOfKind(standin::StreamKind kind);

// What a value of this form looks like, for messages: "a number", "[x, y]"...
std::string DescribeForm(ValueForm form);

}  // namespace scenario
