#include "scenario_runner/ValueForm.h"

namespace scenario {

ValueForm FormOfKind(standin::StreamKind kind) {
  using standin::StreamKind;
  switch (kind) {
    case StreamKind::Layer:
      return ValueForm::None;
    case StreamKind::Slider:
    case StreamKind::FloatSlider:
    case StreamKind::Angle:
      return ValueForm::Number;
    case StreamKind::Checkbox:
      return ValueForm::Boolean;
    case StreamKind::Color:
      return ValueForm::Colour;
    case StreamKind::Point:
      return ValueForm::Point;
    case StreamKind::Popup:
      return ValueForm::WholeNumber;
  }
  return ValueForm::None;
}

std::string DescribeForm(ValueForm form) {
  switch (form) {
    case ValueForm::None:
      return "no value (an input layer)";
    case ValueForm::Number:
      return "a number";
    case ValueForm::WholeNumber:
      return "a whole number";
    case ValueForm::Boolean:
      return "true or false";
    case ValueForm::TypeChoice:
      return "one of \"Slider\", \"Angle\", \"Checkbox\", \"Color\", \"Point\" or a whole number";
    case ValueForm::Colour:
      return "a colour {\"alpha\", \"red\", \"green\", \"blue\"}";
    case ValueForm::Point:
      return "a point [x, y]";
  }
  return "a value";
}

}  // namespace scenario
