#pragma once

#include <algorithm>
#include <memory>
#include <vector>

// A list that owns what it holds: whatever is still in it when it goes is
// deleted with it.
template <typename T> class TSnglCompList {
public:
    virtual ~TSnglCompList() = default;

    virtual bool Add(std::unique_ptr<T> item) {
        items.push_back(std::move(item));
        return true;
    }
    virtual int Count() const { return static_cast<int>(items.size()); }
    // Hands the entry back to the caller without deleting it; none if absent.
    virtual std::unique_ptr<T> Remove(const T* item) {
        const auto found = std::find_if(items.begin(), items.end(),
                                        [item](const auto& p) { return p.get() == item; });
        if (found == items.end()) {
            return nullptr;
        }
        std::unique_ptr<T> taken = std::move(*found);
        items.erase(found);
        return taken;
    }

    // Walks the list in order of addition.
    class TIterator {
    public:
        explicit TIterator(const TSnglCompList& owner) : list(owner) {}
        T* First() {
            position = 0;
            return Current();
        }
        T* Next() {
            ++position;
            return Current();
        }

    private:
        T* Current() const {
            return position < list.items.size() ? list.items[position].get() : nullptr;
        }
        const TSnglCompList& list;
        std::size_t position = 0;
    };

private:
    std::vector<std::unique_ptr<T>> items;
};
