#pragma once
// The one way the code reports a failure: the message the user reads, exactly as a message box
// shows it, and a technical reason for standard error. Callers must look at what they get back.

#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace stylewright {

// Why a file could not be read, for callers that answer each case differently.
enum class FileError {
    None,           // the failure is not that a file could not be read
    Missing,        // nothing there, or a link to nothing
    NotRegularFile, // a folder, a pipe, a device: never opened for reading
    TooLarge,       // more bytes than the reader takes
    Unreadable,     // there, but opening or reading it failed
};

struct Failure {
    QString message; // what the user is told, in their language
    QString reason;  // what went wrong, for whoever reads standard error: "open: Permission denied"
    FileError file = FileError::None;
};

// Writes the failure's reason to standard error.
void logFailure(const Failure &failure);

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    const T *operator->() const { return &value(); }
    const Failure &failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }
    const Failure &failure() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

} // namespace stylewright
