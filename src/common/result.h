#pragma once

#include <optional>
#include <string>
#include <utility>

namespace quintaro {

// Outcome of a file-level operation: a value, or the reason it failed in words
// the user can read. File layers return this instead of throwing.
template <typename T>
class Result {
  public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT(google-explicit-constructor)
    static Result failure(std::string error) { return Result(std::nullopt, std::move(error)); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    const T* operator->() const { return &*value_; }
    const std::string& error() const { return error_; }

  private:
    Result(std::nullopt_t, std::string error) : error_(std::move(error)) {}
    std::optional<T> value_;
    std::string error_;
};

// For operations that return nothing but may fail.
struct Done {};
using Status = Result<Done>;
inline Status success() {
    return Status(Done{});
}

}  // namespace quintaro
