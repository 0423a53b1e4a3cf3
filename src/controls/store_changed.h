#pragma once

// Stores a value and tells whether it differed from the old one, so that a setter repaints only
// after a real change.
template <typename T>
bool StoreChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
