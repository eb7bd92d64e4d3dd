#pragma once

#include <functional>

class QWidget;

// Runs a command so that no failure escapes it: an archive failure shows the
// archive access message in an error box, any other failure an error box with
// its own text; the program goes on. Returns true when the command completed.
bool RunGuarded(const std::function<void()> &command, QWidget *parent = nullptr);
