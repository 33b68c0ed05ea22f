#pragma once

#include <QString>

#include <functional>

class QMenu;

// Fills the menu with the recent topics, newest first, each entry showing its path (the
// home folder as "~") and numbered for the keyboard; choosing one calls `open` with its
// path. Without recent topics the menu holds one disabled entry that says so.
void FillRecentTopicsMenu(QMenu &menu, const std::function<void(const QString &)> &open);
