#include "frm_high_score.h"

#include "platform/date_time.h"

#include <QLabel>

namespace {

constexpr int ClientWidth = 313;
constexpr int ClientHeight = 193;
constexpr int LabelHeight = 17;
constexpr int HeadingTop = 8;
constexpr int FirstRowTop = 24;
constexpr int RowPitch = 16;

struct Column {
    int left;
    int width;
    Qt::Alignment alignment;
};

constexpr Column KvarColumn{8, 33, Qt::AlignRight};
constexpr Column TidColumn{48, 57, Qt::AlignLeft};
constexpr Column NamnColumn{112, 193, Qt::AlignLeft};
constexpr std::array<Column, 3> HeadingColumns{
    {{8, 35, Qt::AlignRight}, {48, 57, Qt::AlignLeft}, {112, 161, Qt::AlignLeft}}};

QRect CellRect(const Column& column, int top)
{
    return {column.left, top, column.width, LabelHeight};
}

} // namespace

frmHighScore::frmHighScore(Settings& settings, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      settings(settings)
{
    setFixedSize(ClientWidth, ClientHeight);

    // The classic dialog font is not to be had everywhere; the desktop's own, in bold, heads the columns.
    QFont headingFont = font();
    headingFont.setBold(true);
    const std::array<QString, 3> headings{
        //: Bricks left; the column is 35 pixels wide, about five letters in bold.
        tr("Left:"),
        tr("Time:"),
        tr("Name:"),
    };
    for (std::size_t i = 0; i < lblTitel.size(); ++i) {
        const Column& column = HeadingColumns[i];
        lblTitel[i] = AddLabel(QStringLiteral("lblTitel%1").arg(i), CellRect(column, HeadingTop), column.alignment,
                               headingFont);
        lblTitel[i]->setText(headings[i]);
    }

    for (int N = 0; N < RowCount; ++N) {
        const int top = FirstRowTop + RowPitch * N;
        lblKvar[N]
            = AddLabel(QStringLiteral("lblKvar%1").arg(N), CellRect(KvarColumn, top), KvarColumn.alignment, font());
        lblTid[N] = AddLabel(QStringLiteral("lblTid%1").arg(N), CellRect(TidColumn, top), TidColumn.alignment, font());
        lblNamn[N]
            = AddLabel(QStringLiteral("lblNamn%1").arg(N), CellRect(NamnColumn, top), NamnColumn.alignment, font());
    }
}

QLabel* frmHighScore::AddLabel(const QString& name, const QRect& geometry, Qt::Alignment alignment, const QFont& font)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    // Names are the players' own text: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    // A fixed place in the table: a text too long for it is cut off, not wrapped or grown into.
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(font);
    return label;
}

void frmHighScore::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void frmHighScore::Form_Load()
{
    // Every other kind names itself: its times are not comparable with the usual board's.
    setWindowTitle(shown == NormalKind ? tr("High score")
                                       : tr("High score: %1 × %2, %n colours", "", shown.colours)
                                             .arg(shown.shape.Columns())
                                             .arg(shown.shape.Rows()));
    for (int N = 0; N < RowCount; ++N) {
        lblKvar[N]->setText(QString::number(N));
        const double T = settings.GetBestTime(shown, N);
        if (T > 0) {
            lblTid[N]->setText(FormatLongTime(T));
            lblNamn[N]->setText(settings.GetBestName(shown, N));
        } else {
            // An earlier opening may have left a text here.
            lblTid[N]->clear();
            lblNamn[N]->clear();
        }
    }
}
