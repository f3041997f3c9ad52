#pragma once

#include "records/records.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;
namespace vud {
class FaceButton;
}

// The offer of a child's unfinished board: a full-screen window showing that
// board large, pieces where the child left them, with a big "SEGUIR" button
// that goes on with it and, beside it, the board's usual button into the
// selection screen for another picture. "SEGUIR" has the keyboard focus, so
// Enter goes on too.
class ResumeOffer : public QWidget
{
    Q_OBJECT

public:
    // How the offer reads the picture's file (at its natural size); the
    // picture is decoded straight at the size shown without one.
    using PictureLoader = std::function<QImage(const QString &path)>;

    explicit ResumeOffer(const records::UnfinishedBoard &board, PictureLoader loader = {},
                         QWidget *parent = nullptr);

    const records::UnfinishedBoard &board() const { return m_board; }
    // The board as drawn on the offer, pieces where they lie.
    QImage boardImage() const { return m_image; }

    vud::FaceButton *resumeButton() const { return m_resume; }
    vud::FaceButton *selectionButton() const { return m_choose; }

    // Shows the offer full screen, "SEGUIR" focused.
    void showModeless();

    // The board drawn at size: the picture covering the grid, each cell
    // showing the square of the piece lying there, with the pieces' outlines.
    static QImage drawBoard(const records::UnfinishedBoard &board, const QImage &picture, QSize size);

signals:
    // "SEGUIR": go on with the board.
    void resumeRequested();
    // Another picture: the selection screen.
    void selectionRequested();
    // The window was closed without a choice.
    void exitRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void choose(bool resume);
    void arrange();

    records::UnfinishedBoard m_board;
    PictureLoader m_loader;
    QImage m_picture; // the whole picture, covering the grid's shape
    QImage m_image;
    QLabel *m_shown = nullptr;
    vud::FaceButton *m_resume = nullptr;
    vud::FaceButton *m_choose = nullptr;
    bool m_chosen = false;
};
