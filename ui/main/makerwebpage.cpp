#include "ui/main/makerwebpage.h"

#include <QProcess>
#include <QStandardPaths>

namespace MakerWebPage {

QString address()
{
    return QStringLiteral("https://quorvel.example/");
}

QString caption()
{
    return QStringLiteral("quorvel.example");
}

Outcome open(const std::function<QString()> &lookUp,
             const std::function<bool(const QString &, const QString &)> &start)
{
    const QString browser = lookUp().trimmed();
    if (browser.isEmpty())
        return NoBrowser;
    return start(browser, address()) ? Opened : NotStarted;
}

QString desktopBrowser()
{
    // The handler registered for web addresses; xdg-open then starts it for us.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgMime.isEmpty() || xdgOpen.isEmpty())
        return QString();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QStringLiteral("x-scheme-handler/https")});
    if (!query.waitForFinished(3000) || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed().isEmpty()
               ? QString()
               : xdgOpen;
}

bool startDetached(const QString &program, const QString &address)
{
    return QProcess::startDetached(program, {address});
}

} // namespace MakerWebPage
