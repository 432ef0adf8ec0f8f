// The last line of defence of a companion worker: nothing it throws leaves its thread.
#pragma once

#include <exception>
#include <string>

namespace listrider::companions {

/// Returns what `body` returns, or what `crashed` makes of the message of anything it threw.
template <typename Body, typename Crashed>
auto RunGuarded(Body body, Crashed crashed) -> decltype(body())
{
    try {
        return body();
    } catch (const std::exception& e) {
        return crashed(std::string(e.what()));
    } catch (...) {
        return crashed(std::string("unknown error"));
    }
}

} // namespace listrider::companions
