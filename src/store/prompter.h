// Questions the core asks the user through the front end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace listrider::store {

/// The front end's answer to the core's questions and the place where it shows messages.
class Prompter
{
public:
    virtual ~Prompter() = default;

    /// Returns the answer to a Yes/No question, or nothing when no answer can be had (no
    /// terminal and no answer given in advance); the core then gives up the operation.
    virtual std::optional<bool> Ask(std::string_view question) = 0;

    /// Shows an information message.
    virtual void Inform(std::string_view message) = 0;
};

} // namespace listrider::store
