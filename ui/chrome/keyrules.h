#pragma once
// The keyboard's rules as plain functions: which key moves the focus which way inside a
// group of controls, and which member of a group the focus goes to. No widgets.

#include <QVector>

namespace KeyRules {

// -1 for Left and Up, +1 for Right and Down, 0 for any other key (Qt key codes).
int arrowStep(int key);

// The member the focus goes to from current (an index into available, or -1 for none)
// moving by step (+1 or -1): the nearest available member that way. Without wrap it stays
// at current at either end; with wrap it carries on from the other end. -1 when no member
// is available.
int nextMember(const QVector<bool> &available, int current, int step, bool wrap);

// The member a group's focus lands on when Tab enters it: the one it had last when that is
// still available, else the first available (-1 when none is).
int entryMember(const QVector<bool> &available, int last);

} // namespace KeyRules
