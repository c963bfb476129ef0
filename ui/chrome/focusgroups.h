#pragma once
// Keyboard focus of a window whose controls come in groups (the main window's subject
// tabs, toolbar, topic list, paper buttons): Tab and Shift+Tab move from group to group,
// landing on the member each group had last; the arrow keys move within a group. Controls
// outside any group that can take the focus from Tab, and the members of a group added with
// TabStops::OnePerMember, are stops of their own, in the window's focus order. A window
// gives it its groups and which controls can be reached now (those on the panel in front),
// and calls moveFocus() from focusNextPrevChild().

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

class FocusGroups : public QObject
{
    Q_OBJECT
public:
    explicit FocusGroups(QWidget *window);

    // How Tab treats a group: as one stop, landing on the member the group had last, or
    // each member as a stop of its own in the window's focus order (a short column of
    // buttons, where Tab and the arrow keys both go from one to the next).
    enum class TabStops { OneForTheGroup, OnePerMember };

    // Adds a group; its members get the focus from the keyboard only.
    void addGroup(const QList<QWidget *> &members,
                  TabStops tabStops = TabStops::OneForTheGroup);
    // Which controls the keyboard may reach now (besides being shown and enabled).
    void setReachable(std::function<bool(const QWidget *)> reachable);

    // Moves the focus to the next (previous) stop; false when there is none.
    bool moveFocus(bool next);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Group
    {
        QList<QPointer<QWidget>> members;
        int last = -1;
        bool stopPerMember = false;
    };
    // Groups and lone controls in the order Tab visits them.
    QList<Group> stops() const;
    bool available(const QWidget *w) const;
    int groupOf(const QWidget *w) const;

    QWidget *m_window;
    QList<Group> m_groups;
    std::function<bool(const QWidget *)> m_reachable;
};
