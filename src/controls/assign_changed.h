#pragma once

#include <utility>

// Stores a property value; true when it differed, so the setter knows to refresh.
template <typename T, typename U>
bool AssignChanged(T& field, U&& value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}
