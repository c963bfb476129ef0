#include "ui/chrome/keyrules.h"

#include <Qt>

namespace KeyRules {

int arrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return -1;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return 1;
    default:
        return 0;
    }
}

int nextMember(const QVector<bool> &available, int current, int step, bool wrap)
{
    const int n = available.size();
    if (n == 0 || step == 0)
        return available.value(current) ? current : -1;
    int at = current;
    for (int tried = 0; tried < n; ++tried) {
        at += step;
        if (at < 0 || at >= n) {
            if (!wrap)
                break;
            at = at < 0 ? n - 1 : 0;
        }
        if (available.at(at))
            return at;
    }
    if (available.value(current))
        return current;
    return wrap ? -1 : nextMember(available, current, -step, false);
}

int entryMember(const QVector<bool> &available, int last)
{
    if (available.value(last))
        return last;
    return available.indexOf(true);
}

} // namespace KeyRules
