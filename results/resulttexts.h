#pragma once
// The texts a marked take leaves in the results files and that the report and the practice
// window show: the two marks, the percentage score and the time taken. Plain functions.

#include <QString>

namespace Results {

// The two marks stored for a marked blank (bytes 0xFC and 0xFB), drawn as a tick and a
// cross by the symbol font.
QString tick();
QString cross();

// numerator / denominator tenths, rounded to a whole number of tenths with a tie going
// to the even digit, written with "." in shortest form ("100", "87.5", "-0.2").
// Computed in integers, so no binary fraction decides a tie. A denominator of 0 gives "0".
QString roundedTenths(qint64 numerator, qint64 denominator);

// The percentage score raw / total * 100 to one decimal, ties to even: 7 of 8 "87.5",
// 2 of 3 "66.7", 1 of 16 "6.2". A paper worth no marks scores "0".
QString percentScore(int raw, int total);

// Time taken as hours:minutes:seconds without leading zeros ("0:4:7"); hours go past 24
// ("25:0:0"). A negative time (the system clock set back) reads "0:0:0".
QString elapsedText(qint64 seconds);

} // namespace Results
