#include "ui/chrome/focusgroups.h"

#include "ui/chrome/keyrules.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

FocusGroups::FocusGroups(QWidget *window) : QObject(window), m_window(window) {}

void FocusGroups::addGroup(const QList<QWidget *> &members, TabStops tabStops)
{
    Group group;
    group.stopPerMember = tabStops == TabStops::OnePerMember;
    for (QWidget *w : members) {
        w->setFocusPolicy(Qt::TabFocus);
        w->installEventFilter(this);
        group.members.append(w);
    }
    m_groups.append(group);
}

void FocusGroups::setReachable(std::function<bool(const QWidget *)> reachable)
{
    m_reachable = std::move(reachable);
}

bool FocusGroups::available(const QWidget *w) const
{
    return w && w->isVisibleTo(m_window) && w->isEnabled()
           && (!m_reachable || m_reachable(w));
}

int FocusGroups::groupOf(const QWidget *w) const
{
    for (int g = 0; g < m_groups.size(); ++g) {
        for (const QPointer<QWidget> &m : m_groups.at(g).members) {
            if (m == w)
                return g;
        }
    }
    return -1;
}

QList<FocusGroups::Group> FocusGroups::stops() const
{
    // The groups come first, in the order they were added; the other controls that Tab
    // reaches follow in the window's focus order.
    QList<Group> all;
    for (const Group &group : m_groups) {
        if (!group.stopPerMember)
            all.append(group);
    }
    QWidget *w = m_window;
    do {
        w = w->nextInFocusChain();
        const int g = groupOf(w);
        if (w != m_window && (w->focusPolicy() & Qt::TabFocus) && w->window() == m_window
            && (g < 0 || m_groups.at(g).stopPerMember)) {
            Group lone;
            lone.members.append(w);
            all.append(lone);
        }
    } while (w && w != m_window);
    return all;
}

bool FocusGroups::moveFocus(bool next)
{
    const QList<Group> all = stops();
    QWidget *focus = m_window->focusWidget();
    int current = -1;
    for (int s = 0; s < all.size() && current < 0; ++s) {
        for (const QPointer<QWidget> &m : all.at(s).members) {
            if (m == focus)
                current = s;
        }
    }
    QVector<bool> open(all.size());
    for (int s = 0; s < all.size(); ++s) {
        for (const QPointer<QWidget> &m : all.at(s).members)
            open[s] = open[s] || available(m);
    }
    const int target = KeyRules::nextMember(open, current, next ? 1 : -1, true);
    if (target < 0)
        return false;
    const Group &group = all.at(target);
    QVector<bool> members;
    for (const QPointer<QWidget> &m : group.members)
        members.append(available(m));
    const int member = KeyRules::entryMember(members, group.last);
    group.members.at(member)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool FocusGroups::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    const int g = groupOf(widget);
    if (g < 0)
        return QObject::eventFilter(watched, event);
    Group &group = m_groups[g];
    if (event->type() == QEvent::FocusIn) {
        group.last = group.members.indexOf(widget);
    } else if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const int step = KeyRules::arrowStep(key->key());
        if (step != 0 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QVector<bool> members;
            for (const QPointer<QWidget> &m : group.members)
                members.append(available(m));
            const int to = KeyRules::nextMember(members, group.members.indexOf(widget), step,
                                                false);
            if (to >= 0)
                group.members.at(to)->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
