#include "scenario_runner/JsonNode.h"

#include <algorithm>
#include <cmath>

#include "scenario_runner/ScenarioError.h"

namespace scenario {

namespace {

const char* TypeName(const Json& json) {
  switch (json.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::boolean:
      return "a boolean";
    case Json::value_t::string:
      return "a string";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::object:
      return "an object";
    case Json::value_t::number_float:
      return "a number";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
      return "an integer";
    default:
      return "something else";
  }
}

}  // namespace

void JsonNode::Fail(const std::string& message) const { throw ScenarioError(path_, message); }

double JsonNode::Number() const {
  if (!json_->is_number()) Fail(std::string("expected a number, found ") + TypeName(*json_));
  return json_->get<double>();
}

long long JsonNode::Integer() const {
  if (json_->is_number_integer()) return json_->get<long long>();
  // 3.0 is as good as 3; 3.5 is not.
  if (json_->is_number_float()) {
    const double value = json_->get<double>();
    if (std::nearbyint(value) == value && std::abs(value) < 1e15) {
      return static_cast<long long>(value);
    }
  }
  Fail(std::string("expected a whole number, found ") +
       (json_->is_number() ? json_->dump() : TypeName(*json_)));
}

long long JsonNode::IntegerAtLeast(long long minimum) const {
  const long long value = Integer();
  if (value < minimum) {
    Fail("expected a whole number of at least " + std::to_string(minimum) + ", found " +
         std::to_string(value));
  }
  return value;
}

bool JsonNode::Boolean() const {
  if (!json_->is_boolean()) Fail(std::string("expected true or false, found ") + TypeName(*json_));
  return json_->get<bool>();
}

std::string JsonNode::String() const {
  if (!json_->is_string()) Fail(std::string("expected a string, found ") + TypeName(*json_));
  return json_->get<std::string>();
}

std::string JsonNode::NonEmptyString() const {
  std::string text = String();
  if (text.empty()) Fail("expected a non-empty string");
  return text;
}

std::size_t JsonNode::ArraySize() const {
  if (!json_->is_array()) Fail(std::string("expected an array, found ") + TypeName(*json_));
  return json_->size();
}

void JsonNode::ExpectObject() const {
  if (!json_->is_object()) Fail(std::string("expected an object, found ") + TypeName(*json_));
}

bool JsonNode::Has(std::string_view key) const {
  ExpectObject();
  return json_->contains(key);
}

JsonNode JsonNode::Member(std::string_view key) const {
  if (!Has(key)) Fail("missing \"" + std::string(key) + "\"");
  return JsonNode(json_->at(std::string(key)), path_ + "." + std::string(key));
}

std::optional<JsonNode> JsonNode::OptionalMember(std::string_view key) const {
  if (!Has(key)) return std::nullopt;
  return Member(key);
}

void JsonNode::AllowOnly(std::initializer_list<std::string_view> allowed) const {
  ExpectObject();
  for (const auto& [key, value] : json_->items()) {
    if (std::find(allowed.begin(), allowed.end(), key) == allowed.end()) {
      std::string known;
      for (const std::string_view name : allowed) {
        known += (known.empty() ? "\"" : ", \"") + std::string(name) + "\"";
      }
      Fail("unknown key \"" + key + "\" (expected one of " + known + ")");
    }
  }
}

JsonNode JsonNode::Item(std::size_t index) const {
  return JsonNode(json_->at(index), path_ + "[" + std::to_string(index) + "]");
}

}  // namespace scenario
