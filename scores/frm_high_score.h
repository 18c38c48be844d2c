#ifndef SCORES_FRM_HIGH_SCORE_H
#define SCORES_FRM_HIGH_SCORE_H

#include <QDialog>

#include <array>

class QLabel;
class Settings;

// The table of best times, one row for each number of bricks left from 0 to 9.
// Filled afresh from the store at every opening.
class frmHighScore final : public QDialog {
    Q_OBJECT

public:
    static constexpr int RowCount = 10;

    frmHighScore(Settings& settings, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* AddLabel(const QString& name, const QRect& geometry, Qt::Alignment alignment, const QFont& font);
    void Form_Load();

    Settings& settings;
    std::array<QLabel*, 3> lblTitel{};
    std::array<QLabel*, RowCount> lblKvar{};
    std::array<QLabel*, RowCount> lblTid{};
    std::array<QLabel*, RowCount> lblNamn{};
};

#endif
