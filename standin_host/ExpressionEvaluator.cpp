#include "standin_host/ExpressionEvaluator.h"

#include <cctype>
#include <charconv>
#include <string>

namespace standin {

namespace {

class Parser {
 public:
  Parser(std::string_view text, double time) : text_(text), time_(time) {}

  std::optional<double> Parse() {
    SkipSpace();
    std::optional<double> value;
    if (Peek() == '\'' || Peek() == '"') {
      value = QuotedThenNumber();
    } else {
      value = Sum();
    }
    SkipSpace();
    if (Peek() == ';') {
      ++pos_;
      SkipSpace();
    }
    if (!value || pos_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void SkipSpace() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  // 'name';1 — the text is skipped, the number after the semicolon is the value.
  std::optional<double> QuotedThenNumber() {
    const char quote = text_[pos_++];
    const auto close = text_.find(quote, pos_);
    if (close == std::string_view::npos) return std::nullopt;
    pos_ = close + 1;
    SkipSpace();
    if (Peek() != ';') return std::nullopt;
    ++pos_;
    SkipSpace();
    return Sum();
  }

  std::optional<double> Sum() {
    auto left = Product();
    while (left) {
      SkipSpace();
      const char op = Peek();
      if (op != '+' && op != '-') break;
      ++pos_;
      const auto right = Product();
      if (!right) return std::nullopt;
      left = op == '+' ? *left + *right : *left - *right;
    }
    return left;
  }

  std::optional<double> Product() {
    auto left = Unary();
    while (left) {
      SkipSpace();
      const char op = Peek();
      if (op != '*' && op != '/') break;
      ++pos_;
      const auto right = Unary();
      if (!right || (op == '/' && *right == 0)) return std::nullopt;
      left = op == '*' ? *left * *right : *left / *right;
    }
    return left;
  }

  std::optional<double> Unary() {
    SkipSpace();
    if (Peek() == '-') {
      ++pos_;
      const auto value = Unary();
      return value ? std::optional<double>(-*value) : std::nullopt;
    }
    return Atom();
  }

  std::optional<double> Atom() {
    SkipSpace();
    if (Peek() == '(') {
      ++pos_;
      const auto value = Sum();
      SkipSpace();
      if (Peek() != ')') return std::nullopt;
      ++pos_;
      return value;
    }
    if (text_.substr(pos_, 4) == "time") {
      pos_ += 4;
      return time_;
    }
    double number = 0;
    const char* begin = text_.data() + pos_;
    const auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), number);
    if (ec != std::errc{} || end == begin) return std::nullopt;
    pos_ += static_cast<std::size_t>(end - begin);
    return number;
  }

  std::string_view text_;
  double time_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<double> EvaluateExpression(std::string_view text, double time_seconds) {
  return Parser(text, time_seconds).Parse();
}

}  // namespace standin
