#include "results/resulttexts.h"

namespace Results {

QString tick()
{
    return QString(QChar(0xFC));
}

QString cross()
{
    return QString(QChar(0xFB));
}

QString roundedTenths(qint64 numerator, qint64 denominator)
{
    if (denominator == 0)
        return QStringLiteral("0");
    const bool negative = (numerator < 0) != (denominator < 0);
    const quint64 num = numerator < 0 ? quint64(0) - quint64(numerator) : quint64(numerator);
    const quint64 den = denominator < 0 ? quint64(0) - quint64(denominator)
                                        : quint64(denominator);
    quint64 tenths = num / den;
    const quint64 rest = num % den;
    // Compare rest with den / 2 without forming 2 * rest, which could overflow.
    if (rest > den - rest || (rest == den - rest && tenths % 2 == 1))
        ++tenths;

    QString text = QString::number(tenths / 10);
    if (tenths % 10 != 0)
        text += QLatin1Char('.') + QString::number(tenths % 10);
    if (negative && tenths != 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString percentScore(int raw, int total)
{
    return roundedTenths(qint64(raw) * 1000, total);
}

QString elapsedText(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds % 3600 / 60)
            .arg(seconds % 60);
}

} // namespace Results
