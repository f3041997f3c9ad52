#include "records/resultswriter.h"

#include "records/resultsstore.h"

#include <QDeadlineTimer>
#include <QThread>

namespace records {

struct ResultsWriter::Task
{
    enum Kind { SaveBoard, ClearBoard, RecordGame, LoadBoard } kind = SaveBoard;
    UnfinishedBoard board;
    FinishedGame game;
    QString name;
};

ResultsWriter::ResultsWriter(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    qRegisterMetaType<records::UnfinishedBoard>();
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->setObjectName(QStringLiteral("results"));
    // Not below the window's thread: it holds the queue's lock for moments, and
    // a thread of lower priority pre-empted then would keep the window waiting.
    m_thread->start();
}

ResultsWriter::~ResultsWriter()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_wake.wakeAll();
    }
    m_thread->wait();
}

void ResultsWriter::enqueue(Task task)
{
    QMutexLocker lock(&m_mutex);
    // A board not yet written is replaced by the child's newer one.
    if (task.kind == Task::SaveBoard && !m_tasks.empty() && m_tasks.back().kind == Task::SaveBoard
        && childKey(m_tasks.back().board.child) == childKey(task.board.child)) {
        m_tasks.back() = std::move(task);
        return;
    }
    m_tasks.push_back(std::move(task));
    m_wake.wakeOne();
}

void ResultsWriter::saveBoard(const UnfinishedBoard &board)
{
    enqueue({Task::SaveBoard, board, {}, {}});
}

void ResultsWriter::clearBoard(const QString &typedName)
{
    enqueue({Task::ClearBoard, {}, {}, typedName});
}

void ResultsWriter::recordGame(const FinishedGame &game)
{
    enqueue({Task::RecordGame, {}, game, {}});
}

void ResultsWriter::requestBoard(const QString &typedName)
{
    enqueue({Task::LoadBoard, {}, {}, typedName});
}

void ResultsWriter::flush()
{
    QMutexLocker lock(&m_mutex);
    while (!m_tasks.empty() || m_busy)
        m_idle.wait(&m_mutex);
}

bool ResultsWriter::flush(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&m_mutex);
    while (!m_tasks.empty() || m_busy) {
        if (!m_idle.wait(&m_mutex, deadline))
            return m_tasks.empty() && !m_busy;
    }
    return true;
}

QString ResultsWriter::errorText() const
{
    QMutexLocker lock(&m_mutex);
    return m_error;
}

void ResultsWriter::run()
{
    // Made on this thread: a connection is used by the thread that made it.
    std::unique_ptr<ResultsStore> store;
    for (;;) {
        Task task;
        {
            QMutexLocker lock(&m_mutex);
            m_busy = false;
            if (m_tasks.empty())
                m_idle.wakeAll();
            while (m_tasks.empty() && !m_stopping)
                m_wake.wait(&m_mutex);
            if (m_tasks.empty())
                return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
            m_busy = true;
        }
        if (!store)
            store = std::make_unique<ResultsStore>(m_path);
        switch (task.kind) {
        case Task::SaveBoard:
            store->saveBoard(task.board);
            break;
        case Task::ClearBoard:
            store->clearBoard(task.name);
            break;
        case Task::RecordGame:
            store->recordGame(task.game);
            break;
        case Task::LoadBoard: {
            const std::optional<UnfinishedBoard> board = store->loadBoard(task.name);
            emit boardLoaded(task.name, board.has_value(), board.value_or(UnfinishedBoard()));
            break;
        }
        }
        QMutexLocker lock(&m_mutex);
        m_error = store->errorText();
    }
}

} // namespace records
