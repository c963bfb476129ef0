#include "pupils/pupilnames.h"

namespace PupilNames {

namespace {

bool isAllowed(QChar c)
{
    if (c.unicode() > 0xFF)
        return false;
    return c.isLetter() || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
           || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\'');
}

bool isFolderCharacter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
           || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
}

bool isTaken(const QString &folder, const QStringList &taken)
{
    return taken.contains(folder, Qt::CaseInsensitive);
}

} // namespace

QString tidied(const QString &typed)
{
    return typed.trimmed();
}

Problem check(const QString &name, const QStringList &others)
{
    if (name.isEmpty())
        return NameEmpty;
    if (name.size() > kMaxNameLength)
        return NameTooLong;
    bool letterOrDigit = false;
    for (QChar c : name) {
        if (!isAllowed(c))
            return NameBadCharacter;
        letterOrDigit = letterOrDigit || c.isLetterOrNumber();
    }
    if (!letterOrDigit)
        return NameNoLetterOrDigit;
    if (others.contains(name, Qt::CaseInsensitive))
        return NameTaken;
    return NameOk;
}

QString problemText(Problem problem, const QString &name)
{
    switch (problem) {
    case NameOk:
        return QString();
    case NameEmpty:
        return QStringLiteral("Please type the pupil's name.");
    case NameTooLong:
        return QStringLiteral("A name can have at most %1 characters.").arg(kMaxNameLength);
    case NameBadCharacter:
        for (QChar c : name) {
            if (!isAllowed(c))
                return QStringLiteral("A name cannot hold \"%1\": use letters, digits, spaces, "
                                      "hyphens and apostrophes.")
                    .arg(c);
        }
        break;
    case NameNoLetterOrDigit:
        return QStringLiteral("A name needs at least one letter or digit.");
    case NameTaken:
        return QStringLiteral("There is already a pupil called %1.").arg(name);
    case TooManyPupils:
        return QStringLiteral("There can be at most %1 pupils.").arg(kMaxPupils);
    }
    return QString();
}

QString folderFor(const QString &name, const QStringList &taken)
{
    // Decomposing separates accents from their letters; letters without an ASCII base
    // (such as "ß" or "ø") are left out rather than guessed.
    const QString plain = name.normalized(QString::NormalizationForm_KD).toLower();
    QString base;
    for (QChar c : plain) {
        if (isFolderCharacter(c) && c != QLatin1Char('-'))
            base.append(c);
        else if ((c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\''))
                 && !base.isEmpty() && !base.endsWith(QLatin1Char('-')))
            base.append(QLatin1Char('-'));
    }
    while (base.endsWith(QLatin1Char('-')))
        base.chop(1);
    if (base.isEmpty())
        base = QStringLiteral("pupil");
    base.truncate(16); // room for a "-10" suffix within 20 characters
    while (base.endsWith(QLatin1Char('-')))
        base.chop(1);
    QString folder = base;
    for (int n = 2; isTaken(folder, taken); ++n)
        folder = base + QLatin1Char('-') + QString::number(n);
    return folder;
}

bool isSafeFolder(const QString &folder)
{
    if (folder.isEmpty() || folder.size() > kMaxNameLength
        || folder.startsWith(QLatin1Char('-')))
        return false;
    for (QChar c : folder) {
        if (!isFolderCharacter(c))
            return false;
    }
    return true;
}

} // namespace PupilNames
