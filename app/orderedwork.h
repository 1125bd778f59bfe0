// Work in pieces on all the machine's cores, its results taken one by one in the order the
// pieces were given, with only a few pieces in hand at a time.
#pragma once

#include <QThreadPool>
#include <deque>
#include <functional>
#include <future>
#include <memory>

namespace vorn {

template<typename Piece, typename Result>
class OrderedWork
{
public:
    using Work = std::function<Result(const Piece &)>;
    using Take = std::function<void(Result &)>;

    OrderedWork(Work work, Take take)
        : m_work(std::move(work))
        , m_take(std::move(take))
        , m_window(std::size_t(2 * std::max(1, QThreadPool::globalInstance()->maxThreadCount())))
    {
    }
    ~OrderedWork() { finish(); }

    // Starts the piece's work on a worker; takes the oldest results while too many are pending.
    void add(Piece piece)
    {
        auto done = std::make_shared<std::promise<Result>>();
        m_pending.push_back(done->get_future());
        QThreadPool::globalInstance()->start(
            [done, piece = std::move(piece), work = m_work] { done->set_value(work(piece)); });
        while (m_pending.size() > m_window)
            takeNext();
    }

    // Takes every result still pending, in order.
    void finish()
    {
        while (!m_pending.empty())
            takeNext();
    }

private:
    void takeNext()
    {
        Result result = m_pending.front().get();
        m_pending.pop_front();
        m_take(result);
    }

    Work m_work;
    Take m_take;
    std::size_t m_window;
    std::deque<std::future<Result>> m_pending;
};

} // namespace vorn
