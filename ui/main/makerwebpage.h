#pragma once
// Opening the maker's web page in the desktop's web browser.

#include <QString>

#include <functional>

namespace MakerWebPage {

enum Outcome { Opened, NoBrowser, NotStarted };

// The address and the link's caption.
QString address();
QString caption();

// Asks lookUp for the program that handles web addresses; an empty answer is NoBrowser.
// Then start(program, address) must succeed, else NotStarted.
Outcome open(const std::function<QString()> &lookUp,
             const std::function<bool(const QString &, const QString &)> &start);

// The desktop's own look-up (xdg-mime) and start (xdg-open, detached).
QString desktopBrowser();
bool startDetached(const QString &program, const QString &address);

} // namespace MakerWebPage
