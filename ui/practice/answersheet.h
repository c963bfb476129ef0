#pragma once
// The answer sheet's rules as plain functions: the shape of an answer row (twips), how the
// first row is reshaped for a long answer, how the rows are stacked, the part letters, the
// instruction picture, the frame drawn around an answer field, the marks as the sheet draws
// them and the names assistive tools read. No widgets.

#include <QColor>
#include <QLine>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace AnswerSheet {

constexpr int kRows = 20;            // Frame1..Frame20
constexpr int kFirstRowTop = 50;     // Frame1's top in AnsBox
constexpr int kRowGap = 105;         // between rows of a question with up to 15 blanks
constexpr int kDenseRowGap = -10;    // rows overlap by 10 from 16 blanks on
constexpr int kDenseFrom = 16;
constexpr int kCarriedMarkGap = 105; // a carried-over mark sits this far right of its box

// One answer row: the frame in AnsBox (left 0; top set by stackRows) and its controls
// inside the frame.
struct Row
{
    QRect frame; // Frame<n>
    QRect part;  // QL<n>
    QRect answer; // FA<n>
    QRect mark;  // FR<n> (and SR<n> in a second take)
    QRect model; // M<n>
};

// The shape every row is created with: 3975 x 375.
Row designRow();

// Row 1 shaped for its blank: tall for a long answer ("L", or an "M" blank whose accepted
// answers are whole sentences), the design shape otherwise.
Row firstRowShape(const Row &row, const QString &code, const QString &key = QString());

// Tops of all 20 rows (twips in AnsBox) for their heights and the blank count of the
// question on show: 50 for the first, then each below the last with the gap.
QList<int> stackRows(const QList<int> &heights, int blankCount);

// "(a)" for row 1 .. "(t)" for row 20.
QString partLetter(int row);
// Whether QL<row> shows: never for a question of one blank, since it has no parts.
bool showsPartLetter(int row, int blankCount);

// Whether the instruction picture shows for a question whose blanks have these codes.
enum class Instruction { Show, Hide, Keep };
Instruction instructionFor(const QStringList &codes);

// The four lines of the frame around a control (twips in its container) and their colour:
// inout 0 light blue, 2 the container's background (erases), any other light grey.
struct Border
{
    QList<QLine> lines;
    QColor colour;
};
Border border(const QRect &control, int inout, const QColor &background);

// The mark of a blank as the sheet draws it: the stored tick and cross (0xFC, 0xFB) become
// the check and cross signs of a common font; anything else is shown as it is.
QString markGlyph(const QString &mark);

// The accessible name of answer field n: "Answer (b)" for row 2.
QString answerName(int row);

// A second take's carried-over mark: left of FR<n> when its box is the given rectangle.
int carriedMarkLeft(const QRect &answer);

// The note shown for a while when a typed or pasted character is refused.
QString refusedNoteText();
constexpr int kRefusedNoteMs = 3000;
// Where that note goes (pixels in AnsBox): just below the box, at its left, kept inside the
// sheet; above the box when the sheet has no room below it.
QRect refusedNotePlace(const QRect &box, const QSize &note, const QSize &sheet);

} // namespace AnswerSheet
