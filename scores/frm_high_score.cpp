#include "frm_high_score.h"

#include "platform/date_time.h"

#include <QLabel>

namespace {

// The table as designed, at the classic dialog font: 8 pixels around it, headings and rows 17 high, the rows 16 apart
// so that they follow each other without a gap. Each column has its heading's width and its rows' and a gap before
// the next; the numbers' rows end 2 pixels short of their heading, and the names' reach the margin. A language or a
// font that needs more gets it: the columns widen, the rows grow apart and the window with them, never the words cut.
constexpr int Margin = 8;
constexpr int LabelHeight = 17;

struct Column {
    int headingWidth;
    int rowWidth;
    int gap;
    Qt::Alignment alignment;
    const char* widest; // the widest text of its rows, but a name, which may be cut off
};

constexpr std::array<Column, 3> Columns{{
    {35, 33, 5, Qt::AlignRight, "9"},
    {57, 57, 7, Qt::AlignLeft, "00:00:00"},
    {161, 193, 0, Qt::AlignLeft, ""},
}};

// What a label of the font needs for the text, laid out as a label lays it out: with the fonts that stand in for
// the glyphs the font lacks, which may be taller, as a Chinese or Japanese one is.
QSize SizeOf(const QFont& font, const QString& text)
{
    return QFontMetrics(font).boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, text).size();
}

} // namespace

frmHighScore::frmHighScore(Settings& settings, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      settings(settings)
{
    // The classic dialog font is not to be had everywhere; the desktop's own, in bold, heads the columns.
    QFont headingFont = font();
    headingFont.setBold(true);
    const std::array<QString, 3> headings{
        //: The heading of the column of the numbers of bricks left, narrow as the numbers.
        tr("Left:"),
        //: The heading of the column of the best times.
        tr("Time:"),
        //: The heading of the column of the names of the players who set them.
        tr("Name:"),
    };
    // The rows as high as the language's own script needs, its headings', as well as the digits'.
    const QString script = headings[0] + headings[1] + headings[2];
    const int headingHeight = std::max(LabelHeight, SizeOf(headingFont, script).height());
    const int rowHeight = std::max(LabelHeight, SizeOf(font(), script + QStringLiteral("0")).height());
    const int firstRowTop = Margin + headingHeight - 1, rowPitch = rowHeight - 1;
    const std::array<std::array<QLabel*, RowCount>*, 3> rows{&lblKvar, &lblTid, &lblNamn};
    const std::array<const char*, 3> names{"lblKvar", "lblTid", "lblNamn"};
    int left = Margin, right = 0;
    for (std::size_t c = 0; c < Columns.size(); ++c) {
        const Column& column = Columns[c];
        const int heading = std::max(column.headingWidth, SizeOf(headingFont, headings[c]).width());
        const int row = std::max(column.rowWidth, SizeOf(font(), QString::fromLatin1(column.widest)).width());
        // Right-aligned, the rows keep their place under their heading's end.
        const int grown = std::max(heading - column.headingWidth, row - column.rowWidth);
        lblTitel[c]
            = AddLabel(QStringLiteral("lblTitel%1").arg(c), {left, Margin, column.headingWidth + grown, headingHeight},
                       column.alignment, headingFont);
        lblTitel[c]->setText(headings[c]);
        for (int N = 0; N < RowCount; ++N) {
            const QRect place(left, firstRowTop + rowPitch * N, column.rowWidth + grown, rowHeight);
            (*rows[c])[N]
                = AddLabel(QString::fromLatin1(names[c]) + QString::number(N), place, column.alignment, font());
        }
        right = left + std::max(column.headingWidth, column.rowWidth) + grown;
        left += column.headingWidth + grown + column.gap;
    }
    setFixedSize(right + Margin, firstRowTop + rowPitch * (RowCount - 1) + rowHeight + Margin);
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
                                       //: The title over the best times of another board than the usual: %1
                                       //: columns by %2 rows, in %n colours.
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
