#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace dawnquill {

// Why something the program asked of the desktop did not happen, in words for the log and, where
// the user must hear of it, for a box.
struct Failure {
  std::string reason;
};

// What became of one request to the desktop: its value, or the reason it failed.
template <typename T = void>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}            // NOLINT(*-explicit-*)
  Result(Failure failure) : value_(std::move(failure)) {}  // NOLINT(*-explicit-*)

  explicit operator bool() const { return value_.index() == 0; }
  const T& operator*() const { return std::get<0>(value_); }
  const T* operator->() const { return &std::get<0>(value_); }
  const std::string& Reason() const { return std::get<1>(value_).reason; }

 private:
  std::variant<T, Failure> value_;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Failure failure) : failure_(std::move(failure)) {}  // NOLINT(*-explicit-*)

  explicit operator bool() const { return !failure_; }
  const std::string& Reason() const { return failure_->reason; }

 private:
  std::optional<Failure> failure_;
};

}  // namespace dawnquill
