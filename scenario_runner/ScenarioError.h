// A scenario file that cannot be played, with where in it the fault lies.
#pragma once

#include <stdexcept>
#include <string>

namespace scenario {

class ScenarioError : public std::runtime_error {
 public:
  // `where` is a JSON path such as "$.effects[2].params[1]", or empty when the
  // fault is not inside the document (unreadable file, broken JSON).
  ScenarioError(std::string where, const std::string& message)
      : std::runtime_error(where.empty() ? message : where + ": " + message),
        where_(std::move(where)) {}

  const std::string& Where() const { return where_; }

 private:
  std::string where_;
};

}  // namespace scenario
