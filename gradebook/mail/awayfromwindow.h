#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

namespace Cortelle {

// Runs blocking calls, one at a time, on a thread of its own while the calling thread keeps
// handling its events: the window repaints, its timers tick and it takes clicks until the call
// has returned. One thread serves every call of a run: a fresh thread per call costs libcurl about
// a millisecond per message.
class TAwayFromWindow
{
public:
    TAwayFromWindow() : m_thread([this] { Serve(); }) {}
    ~TAwayFromWindow()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    TAwayFromWindow(const TAwayFromWindow&) = delete;
    TAwayFromWindow& operator=(const TAwayFromWindow&) = delete;

    // What the call returns or throws comes back to the caller. The handlers that run meanwhile
    // may start nothing that ends the caller's objects.
    template <typename Call> auto Run(Call&& call) -> std::invoke_result_t<Call&>
    {
        using Result = std::invoke_result_t<Call&>;
        std::atomic<bool> done = false;
        std::exception_ptr error;
        [[maybe_unused]] std::conditional_t<std::is_void_v<Result>, bool, std::optional<Result>> result{};
        QObject waker;
        Hand([&] {
            try {
                if constexpr (std::is_void_v<Result>)
                    call();
                else
                    result.emplace(call());
            } catch (...) {
                error = std::current_exception();
            }
            done = true;
            // Wakes the waiting loop below.
            QMetaObject::invokeMethod(
                &waker, [] {}, Qt::QueuedConnection);
        });
        // processEvents rather than a nested QEventLoop::exec: an application told to quit ends
        // every nested loop at once, and this one must wait for the call regardless.
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        // The task has ended once done is set but may still be leaving Hand's frame: wait for it,
        // so that waker outlives the event posted to it.
        WaitIdle();
        if (error)
            std::rethrow_exception(error);
        if constexpr (!std::is_void_v<Result>)
            return std::move(*result);
    }

private:
    void Hand(std::function<void()> task)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_task = std::move(task);
        }
        m_wake.notify_all();
    }
    void WaitIdle()
    {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return !m_task; });
    }
    void Serve()
    {
        std::unique_lock lock(m_mutex);
        while (true) {
            m_wake.wait(lock, [this] { return m_stop || m_task; });
            if (m_stop)
                return;
            lock.unlock();
            m_task();
            lock.lock();
            m_task = nullptr;
            m_wake.notify_all();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::function<void()> m_task;
    bool m_stop = false;
    std::thread m_thread; // last: it starts serving at once
};

} // namespace Cortelle
