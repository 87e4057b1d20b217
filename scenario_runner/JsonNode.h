// A node of the scenario document together with its JSON path, so that every
// complaint names the exact place: "$.effects[2].params[1].keyframes[0].time".
#pragma once

#include <cstddef>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace scenario {

using Json = nlohmann::ordered_json;

class JsonNode {
 public:
  JsonNode(const Json& json, std::string path) : json_(&json), path_(std::move(path)) {}

  const Json& Raw() const { return *json_; }
  const std::string& Path() const { return path_; }

  [[noreturn]] void Fail(const std::string& message) const;

  bool IsObject() const { return json_->is_object(); }
  bool IsArray() const { return json_->is_array(); }
  bool IsString() const { return json_->is_string(); }
  bool IsNumber() const { return json_->is_number(); }

  // Each of these fails with "expected ..." when the node is of another type.
  double Number() const;
  long long Integer() const;
  long long IntegerAtLeast(long long minimum) const;
  bool Boolean() const;
  std::string String() const;
  std::string NonEmptyString() const;
  std::size_t ArraySize() const;
  void ExpectObject() const;

  // Object members. Has() and Member() expect this node to be an object.
  bool Has(std::string_view key) const;
  JsonNode Member(std::string_view key) const;  // fails when missing
  std::optional<JsonNode> OptionalMember(std::string_view key) const;
  // Fails on any member not in `allowed`, so misspelt keys do not pass unnoticed.
  void AllowOnly(std::initializer_list<std::string_view> allowed) const;

  JsonNode Item(std::size_t index) const;

 private:
  const Json* json_;
  std::string path_;
};

}  // namespace scenario
