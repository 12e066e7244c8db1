#pragma once

#include <utility>

// Stores value in field and, when that changed it, calls changed (the owner's repaint) and
// answers true. Every property setter of the chart stores through here, so that writing the
// value a property already has neither repaints nor notifies.
template <typename T, typename U, typename Changed>
bool StoreChanged(T &field, U &&value, Changed &&changed) {
    if (field == value)
        return false;
    field = std::forward<U>(value);
    changed();
    return true;
}
