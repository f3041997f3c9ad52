#include "widgets/gifdisplay.h"

#include "core/datapaths.h"
#include "core/picturefile.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>
#include <QTimer>

namespace vud {

namespace {

// A frame delay of 0 plays as this long.
constexpr int kDefaultFrameDelayMs = 100;
// An editor animation that has not ended by then (a damaged file that keeps
// looping, say) is ended anyway, so that the editor never waits forever.
constexpr int kLongestAnimationMs = 20000;

} // namespace

GifDisplay::GifDisplay(Role role, QWidget *parent)
    : QLabel(parent)
    , m_role(role)
    , m_endTimer(new QTimer(this))
    , m_watchdog(new QTimer(this))
    , m_keepPlaying(role == Role::Game)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    m_endTimer->setSingleShot(true);
    m_watchdog->setSingleShot(true);
    m_watchdog->setInterval(kLongestAnimationMs);
    connect(m_watchdog, &QTimer::timeout, this, [this] {
        if (m_endPending && !m_endScheduled)
            scheduleEnd(0);
    });
}

GifDisplay::~GifDisplay()
{
    if (m_movie)
        m_movie->disconnect(this);
}

void GifDisplay::setScreenTwips(const ScreenTwips &screen)
{
    m_screen = screen;
    m_screenSet = true;
    applyGeometry();
}

void GifDisplay::setFile(const QString &fullPath)
{
    // Every started animation gets its own end notice: one still running, or
    // whose end is still on its way, is reported before the next one starts.
    if (m_role == Role::Editor && m_endPending)
        QTimer::singleShot(0, this, [this] { emit GifEnd(); });

    if (m_movie) {
        m_movie->disconnect(this);
        m_movie->stop();
        setMovie(nullptr);
        m_movie->deleteLater();
        m_movie = nullptr;
    }
    m_endTimer->stop();
    m_endTimer->disconnect();
    m_watchdog->stop();
    m_endScheduled = false;
    m_lastFrame = -1;
    ++m_generation;
    m_endPending = true;

    m_file = fullPath;
    // The movie plays the file's bytes, read once and cut to the animation
    // bounds; a file that is no regular file plays as a missing one.
    auto *bytes = new QBuffer;
    bytes->setData(fullPath.isEmpty() ? QByteArray() : readAnimation(fullPath));
    bytes->open(QIODevice::ReadOnly);
    m_naturalSize = bytes->data().isEmpty() ? QSize() : QImageReader(bytes).size();
    bytes->seek(0);
    clear();

    m_movie = new QMovie(this);
    bytes->setParent(m_movie);
    m_movie->setCacheMode(QMovie::CacheAll);
    // Connect before starting: a broken file reports its error inside start().
    connect(m_movie, &QMovie::frameChanged, this, &GifDisplay::onFrameChanged);
    connect(m_movie, &QMovie::finished, this, &GifDisplay::onMovieFinished);
    connect(m_movie, &QMovie::error, this, [this] {
        if (m_role == Role::Editor)
            scheduleEnd(0);
    });
    if (!bytes->data().isEmpty())
        m_movie->setDevice(bytes);
    applyGeometry();
    if (m_sizeSet)
        m_movie->setScaledSize(size());
    setMovie(m_movie);

    if (bytes->data().isEmpty() || !m_movie->isValid()) {
        if (m_role == Role::Editor)
            scheduleEnd(0);
        return;
    }
    if (m_role == Role::Editor)
        m_watchdog->start();
    m_movie->start();
}

void GifDisplay::setKeepPlaying(bool on)
{
    m_keepPlaying = on;
}

void GifDisplay::onFrameChanged(int frame)
{
    if (m_role != Role::Editor || m_endScheduled)
        return;
    const int count = m_movie->frameCount();
    // Back at an earlier frame: the animation has played through once (a
    // file whose frame count is not known up front).
    const bool wrapped = m_lastFrame >= 0 && frame <= m_lastFrame;
    m_lastFrame = frame;
    if (wrapped) {
        m_movie->setPaused(true);
        scheduleEnd(0);
        return;
    }
    if (count > 0 && frame == count - 1) {
        // The last frame is on show: let it stay for its own delay, then end.
        int delay = m_movie->nextFrameDelay();
        if (delay <= 0)
            delay = kDefaultFrameDelayMs;
        m_movie->setPaused(true);
        scheduleEnd(delay);
    }
}

void GifDisplay::onMovieFinished()
{
    if (m_role == Role::Editor) {
        scheduleEnd(0);
        return;
    }
    // A single picture has nothing to move: restarting it would only spin.
    if (m_keepPlaying && m_movie && m_movie->isValid() && m_movie->frameCount() != 1) {
        // Restart from the event loop, not from inside the movie's own signal.
        QPointer<QMovie> movie = m_movie;
        QTimer::singleShot(0, this, [movie] {
            if (movie && movie->state() == QMovie::NotRunning)
                movie->start();
        });
    }
}

void GifDisplay::scheduleEnd(int delayMs)
{
    if (!m_endPending || m_endScheduled)
        return;
    m_endScheduled = true;
    m_watchdog->stop();
    const quint64 generation = m_generation;
    m_endTimer->stop();
    m_endTimer->disconnect();
    connect(m_endTimer, &QTimer::timeout, this, [this, generation] { reportEnd(generation); });
    m_endTimer->start(delayMs);
}

void GifDisplay::reportEnd(quint64 generation)
{
    if (!m_endPending)
        return;
    m_endPending = false;
    m_endScheduled = false;
    Q_UNUSED(generation);
    emit GifEnd();
}

void GifDisplay::setLeftTwips(double left)
{
    m_left = left;
    applyGeometry();
}

void GifDisplay::setTopTwips(double top)
{
    m_top = top;
    applyGeometry();
}

void GifDisplay::setWidthTwips(double width)
{
    m_width = width;
    if (!m_sizeSet)
        m_height = heightTwips();
    m_sizeSet = true;
    applyGeometry();
}

void GifDisplay::setHeightTwips(double height)
{
    m_height = height;
    if (!m_sizeSet)
        m_width = widthTwips();
    m_sizeSet = true;
    applyGeometry();
}

void GifDisplay::clearSize()
{
    if (!m_sizeSet)
        return;
    m_sizeSet = false;
    if (m_movie)
        m_movie->setScaledSize(QSize());
    applyGeometry();
}

double GifDisplay::widthTwips() const
{
    if (m_sizeSet)
        return m_width;
    const ScreenTwips s = m_screenSet ? m_screen : screenTwips();
    return s.toTwipsX(m_naturalSize.isValid() ? m_naturalSize.width() : width());
}

double GifDisplay::heightTwips() const
{
    if (m_sizeSet)
        return m_height;
    const ScreenTwips s = m_screenSet ? m_screen : screenTwips();
    return s.toTwipsY(m_naturalSize.isValid() ? m_naturalSize.height() : height());
}

void GifDisplay::applyGeometry()
{
    const ScreenTwips s = m_screenSet ? m_screen : screenTwips();
    QRect r;
    if (m_sizeSet) {
        r = s.toPixels(m_left, m_top, m_width, m_height);
    } else {
        r = QRect(QPoint(s.toPixelsX(m_left), s.toPixelsY(m_top)),
                  m_naturalSize.isValid() ? m_naturalSize : size());
    }
    setScaledContents(m_sizeSet);
    setGeometry(r);
    if (m_movie && m_sizeSet)
        m_movie->setScaledSize(r.size());
}

} // namespace vud
