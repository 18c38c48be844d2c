#ifndef SCORES_FRM_HIGH_SCORE_H
#define SCORES_FRM_HIGH_SCORE_H

#include "board/board_kind.h"
#include "scores/settings.h"

#include <QDialog>

#include <array>

class QLabel;

// The table of best times of a kind of board, one row for each number of bricks left from 0 to 9.
// Filled afresh from the store at every opening.
class frmHighScore final : public QDialog {
    Q_OBJECT

public:
    static constexpr int RowCount = Settings::RecordRows;

    frmHighScore(Settings& settings, QWidget* owner);
    // The kind whose times the next opening shows; the board the game has always dealt until then.
    void ShowKind(const BoardKind& kind) { shown = kind; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddLabel(const QString& name, const QRect& geometry, Qt::Alignment alignment, const QFont& font);
    void Form_Load();

    Settings& settings;
    BoardKind shown = NormalKind;
    std::array<QLabel*, 3> lblTitel{};
    std::array<QLabel*, RowCount> lblKvar{};
    std::array<QLabel*, RowCount> lblTid{};
    std::array<QLabel*, RowCount> lblNamn{};
};

#endif
