#pragma once
// A value that carries the revision of its last change. Reading it costs
// nothing more than reading the value; changing it goes through Edit() or an
// assignment, which take a new revision. Whoever draws something from the
// value keeps the revision it drew from and draws again only when that has
// moved on, without comparing contents. The revisions of all values come
// from one counter, so no two values, nor two versions of one, ever share a
// revision, not even after a copy or a replacement.

#include <cstddef>
#include <cstdint>
#include <utility>

namespace qm {

using Revision = std::uint64_t;

// A revision no value has had yet. The program runs on one thread.
inline Revision NewRevision() {
    static Revision last = 0;
    return ++last;
}

template <class T>
class Revised {
public:
    Revised() = default;
    Revised(T value) : value_(std::move(value)) {}
    Revised(const Revised& other) : value_(other.value_) {}
    Revised& operator=(const Revised& other) {
        Edit() = other.value_;
        return *this;
    }
    Revised& operator=(T value) {
        Edit() = std::move(value);
        return *this;
    }

    // Takes a new revision first: the caller is about to change the value.
    T& Edit() {
        revision_ = NewRevision();
        return value_;
    }

    const T& operator*() const { return value_; }
    const T* operator->() const { return &value_; }
    operator const T&() const { return value_; }
    Revision LastChange() const { return revision_; }

    // The reading side of a container, as the value's own.
    auto begin() const { return value_.begin(); }
    auto end() const { return value_.end(); }
    std::size_t size() const { return value_.size(); }
    bool empty() const { return value_.empty(); }
    const auto& operator[](std::size_t i) const { return value_[i]; }
    const auto& at(std::size_t i) const { return value_.at(i); }
    friend bool operator==(const Revised& a, const T& b) { return a.value_ == b; }

private:
    T value_{};
    Revision revision_ = NewRevision();
};

}  // namespace qm
