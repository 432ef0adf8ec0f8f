// Errors as values: every fallible operation of the core returns a Result.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace listrider::store {

/// What went wrong, for callers that branch on it (failure diagnosis, retries, exit codes).
enum class ErrorKind
{
    Io,
    NotFound,
    Malformed,
    Timeout,
    Refused,
    HttpStatus,
    Cancelled,
    Unsupported,
    Usage,
    Internal,
};

/// Returns the lower-case name of an error kind ("io", "not-found" ...).
const char* ErrorKindName(ErrorKind kind);

struct Error
{
    ErrorKind kind = ErrorKind::Internal;
    std::string message; ///< the text a user reads
    std::string detail;  ///< technical detail (system error text, offending value)
};

/// Returns an Error of the given kind.
inline Error MakeError(ErrorKind kind, std::string message, std::string detail = {})
{
    return Error{kind, std::move(message), std::move(detail)};
}

/// Holds either a value or an Error.
template <class T>
class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    {}

    Result(Error error)
        : m_state(std::in_place_index<1>, std::move(error))
    {}

    bool HasValue() const { return m_state.index() == 0; }

    explicit operator bool() const { return HasValue(); }

    T& Value() & { return std::get<0>(m_state); }

    const T& Value() const& { return std::get<0>(m_state); }

    T&& Value() && { return std::get<0>(std::move(m_state)); }

    T ValueOr(T fallback) const { return HasValue() ? std::get<0>(m_state) : std::move(fallback); }

    const Error& GetError() const { return std::get<1>(m_state); }

private:
    std::variant<T, Error> m_state;
};

/// A Result without a value: success or an Error.
template <>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;

    Result(Error error)
        : m_failed(true)
        , m_error(std::move(error))
    {}

    bool HasValue() const { return !m_failed; }

    explicit operator bool() const { return !m_failed; }

    const Error& GetError() const { return m_error; }

private:
    bool m_failed = false;
    Error m_error;
};

} // namespace listrider::store
