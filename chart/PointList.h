#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// One value per point of a series, stored only once some point has a value other than the
// fallback: a series whose points carry no labels, or only the automatic colour, keeps nothing
// for them. Reads as a list as long as the series, whatever it stores.
template <typename T> class TPointList {
public:
    explicit TPointList(T fallback = T()) : fallback(std::move(fallback)) {}

    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    // Indices at or past the end are the caller's fault, as with a vector.
    const T &operator[](std::size_t index) const { return dense ? values[index] : fallback; }
    const T &front() const { return (*this)[0]; }

    void Insert(std::size_t index, const T &value) {
        if (!dense && !(value == fallback)) {
            values.assign(count, fallback);
            dense = true;
        }
        if (dense)
            values.insert(values.begin() + std::ptrdiff_t(index), value);
        ++count;
    }
    void Erase(std::size_t index) {
        if (dense)
            values.erase(values.begin() + std::ptrdiff_t(index));
        --count;
    }
    void Clear() {
        ResetAll();
        count = 0;
    }
    // Every point back to the fallback.
    void ResetAll() {
        values.clear();
        values.shrink_to_fit();
        dense = false;
    }

private:
    bool dense = false;    // whether values holds one value per point
    std::vector<T> values; // empty unless dense
    std::size_t count = 0;
    T fallback;
};
