#pragma once

#include <atomic>
#include <memory>
#include <vector>

namespace fw::qt {

// Objects handed from one thread to another without a lock, so that the main thread never waits
// on a worker that a busy machine may hold off for milliseconds. Any thread may put; one thread
// takes them all at once (no node is ever taken alone, so a reused address cannot confuse the
// exchange).
template <class T> class HandOff {
public:
    HandOff() = default;
    ~HandOff() { takeAll(); }
    HandOff(const HandOff&) = delete;
    HandOff& operator=(const HandOff&) = delete;

    void put(std::shared_ptr<T> item) {
        auto node = std::make_unique<Node>(Node{std::move(item), head_.load(std::memory_order_relaxed)});
        while (!head_.compare_exchange_weak(node->next, node.get(), std::memory_order_release,
                                            std::memory_order_relaxed)) {
        }
        node.release(); // now owned by the list
    }

    // In the order they were put.
    std::vector<std::shared_ptr<T>> takeAll() {
        std::vector<std::shared_ptr<T>> items;
        for (std::unique_ptr<Node> node(head_.exchange(nullptr, std::memory_order_acquire)); node;
             node.reset(node->next))
            items.push_back(std::move(node->item));
        return {items.rbegin(), items.rend()};
    }

private:
    struct Node {
        std::shared_ptr<T> item;
        Node* next;
    };
    std::atomic<Node*> head_ = nullptr;
};

} // namespace fw::qt
