#pragma once
#include <string>

// The text of the error of type E that `action` raises, or "" when it raises none.
template <typename E, typename Action>
std::string Raised(Action&& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "";
}
