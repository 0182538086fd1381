#pragma once

#include <optional>

namespace NequoraUI::platform {

// The value last passed on to a listener (a parent's layout), so that the same value is not
// passed on again. Empty at first and after forget(): the next value always goes.
template <typename T> class PassedOn
{
public:
    // True, keeping value, when it differs from the last one passed on.
    bool changesTo(const T &value)
    {
        if (m_last == value)
            return false;
        m_last = value;
        return true;
    }
    void forget() { m_last.reset(); }

private:
    std::optional<T> m_last;
};

} // namespace NequoraUI::platform
