#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <utility>

// Results that worker threads finish, handed to one taker in the order they were finished. The
// taker says at the start how many will come, so that it never waits for one more.
template <class T>
class HandOverQueue
{
public:
    explicit HandOverQueue(std::size_t expected) : expected(expected) {}

    void Push(T item)
    {
        const std::lock_guard<std::mutex> hold(lock);
        items.push_back(std::move(item));
        pushed.notify_one();
    }

    // The next result; with wait it blocks until one is there. False once all the expected ones
    // were taken (or, without wait, when none is there now).
    bool Next(T& item, bool wait)
    {
        std::unique_lock<std::mutex> hold(lock);
        if (taken >= expected)
            return false;
        if (wait)
            pushed.wait(hold, [this] { return !items.empty(); });
        else if (items.empty())
            return false;
        item = std::move(items.front());
        items.pop_front();
        ++taken;
        return true;
    }

private:
    const std::size_t expected;
    std::size_t taken = 0;
    std::deque<T> items;
    std::mutex lock;
    std::condition_variable pushed;
};
