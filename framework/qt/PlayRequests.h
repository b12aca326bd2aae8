#pragma once

#include "qt/SoundClip.h"

#include <atomic>
#include <memory>
#include <vector>

namespace fw::qt {

// The sounds asked for since the mixer last looked, handed over without a lock: the main thread
// never waits on the output thread, which a busy machine may hold off for milliseconds. Any
// thread may push; one thread takes them all at once (so no node is ever taken alone, and a
// reused address cannot confuse the exchange).
class PlayRequests {
public:
    PlayRequests() = default;
    ~PlayRequests() { takeAll(); }
    PlayRequests(const PlayRequests&) = delete;
    PlayRequests& operator=(const PlayRequests&) = delete;

    void push(std::shared_ptr<const SoundClip> clip) {
        auto node = std::make_unique<Node>(Node{std::move(clip), head_.load(std::memory_order_relaxed)});
        while (!head_.compare_exchange_weak(node->next, node.get(), std::memory_order_release,
                                            std::memory_order_relaxed)) {
        }
        node.release(); // now owned by the list
    }

    // In the order they were pushed.
    std::vector<std::shared_ptr<const SoundClip>> takeAll() {
        std::vector<std::shared_ptr<const SoundClip>> clips;
        for (std::unique_ptr<Node> node(head_.exchange(nullptr, std::memory_order_acquire)); node;
             node.reset(node->next))
            clips.push_back(std::move(node->clip));
        return {clips.rbegin(), clips.rend()};
    }

private:
    struct Node {
        std::shared_ptr<const SoundClip> clip;
        Node* next;
    };
    std::atomic<Node*> head_ = nullptr;
};

} // namespace fw::qt
