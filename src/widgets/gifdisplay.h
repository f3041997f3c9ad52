#pragma once

#include "core/twips.h"

#include <QLabel>
#include <QPointer>

class QMovie;
class QTimer;

namespace vud {

// Shows an animated GIF file on a window, placed and sized in twips.
//
// In the game's role the animation keeps going for as long as it is on show,
// whatever loop count its file holds (see keepPlaying). In the editor's role
// every animation started by setFile plays once and is then reported by
// exactly one GifEnd, also for a GIF of one frame, a GIF whose loop block says
// "forever", and a missing, empty, truncated or non-GIF file. GifEnd always arrives from the event loop, never from inside
// setFile, so a caller can finish its own steps first.
class GifDisplay : public QLabel
{
    Q_OBJECT

public:
    enum class Role { Game, Editor };

    explicit GifDisplay(Role role, QWidget *parent = nullptr);
    ~GifDisplay() override;

    Role role() const { return m_role; }

    // The file property: a full path. Setting it loads the file and starts
    // its animation. Without a set size the display takes the GIF's own size.
    void setFile(const QString &fullPath);
    QString file() const { return m_file; }

    // The game display's Boolean property: when set, an animation of more
    // than one frame starts again each time it ends, so that it keeps moving
    // for as long as it is shown, whatever loop count its file holds. On by
    // default in the game's role (the board sets it for every drawing all the
    // same); cleared, the file's own loop count decides. The editor's role
    // ignores it: there every animation plays once.
    void setKeepPlaying(bool on);
    bool keepPlaying() const { return m_keepPlaying; }

    // Position and size in twips of the parent's client area.
    void setLeftTwips(double left);
    void setTopTwips(double top);
    void setWidthTwips(double width);
    void setHeightTwips(double height);
    double leftTwips() const { return m_left; }
    double topTwips() const { return m_top; }
    double widthTwips() const;
    double heightTwips() const;
    // True once a width or height was set: the frames are then scaled to it.
    bool hasSetSize() const { return m_sizeSet; }
    // Back to the GIF's own size.
    void clearSize();

    // The screen the twips are converted with; the primary screen unless set.
    void setScreenTwips(const ScreenTwips &screen);

    // An animation was started and its end has not been reported yet.
    bool isAnimating() const { return m_endPending; }

signals:
    void GifEnd();

private:
    void onFrameChanged(int frame);
    void onMovieFinished();
    void scheduleEnd(int delayMs);
    void reportEnd(quint64 generation);
    void applyGeometry();

    Role m_role;
    QString m_file;
    QMovie *m_movie = nullptr;
    QTimer *m_endTimer = nullptr;
    QTimer *m_watchdog = nullptr;
    bool m_keepPlaying = false;
    bool m_endPending = false;
    bool m_endScheduled = false;
    int m_lastFrame = -1;
    quint64 m_generation = 0;
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
    bool m_sizeSet = false;
    QSize m_naturalSize;
    bool m_screenSet = false;
    ScreenTwips m_screen;
};

} // namespace vud
