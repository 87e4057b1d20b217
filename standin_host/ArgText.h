// Renders a host call's arguments for the call log.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace standin {

namespace detail {

template <class T>
void AppendArg(std::ostringstream& out, const T& value) {
  if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) {
    if (value == nullptr) {
      out << "null";
    } else {
      out << '"' << value << '"';
    }
  } else if constexpr (std::is_convertible_v<T, std::string_view>) {
    out << '"' << std::string_view(value) << '"';
  } else if constexpr (std::is_pointer_v<T>) {
    out << static_cast<const void*>(value);
  } else if constexpr (std::is_same_v<T, unsigned char> || std::is_same_v<T, char> ||
                       std::is_same_v<T, signed char>) {
    out << static_cast<int>(value);
  } else {
    out << value;
  }
}

}  // namespace detail

template <class... Ts>
std::string ArgText(const Ts&... values) {
  std::ostringstream out;
  bool first = true;
  ((out << (first ? "" : ", "), detail::AppendArg(out, values), first = false), ...);
  return out.str();
}

}  // namespace standin
