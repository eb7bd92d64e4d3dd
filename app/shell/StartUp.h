#pragma once

#include <QList>

class QWidget;

// The program entry: prepares the application, creates the window set with
// the login window first, and runs the event loop.
int kennoraMain(int argc, char *argv[]);

namespace StartUp
{

// One window of the set: its global name (the WindowRegistry key), the
// function that creates its start-up instance and sets its global pointer,
// and the one that clears that pointer again.
struct WindowEntry {
    const char *globalName;
    QWidget *(*create)();
    void (*release)();
};

// The window set, in creation order; the login window comes first.
const QList<WindowEntry> &windowTable();

// Creates every window of the table in order, hidden, and registers each
// under its global name. Returns them in creation order. Reads no file.
QList<QWidget *> createWindowSet();

// The program's start: creates the first window of the table (the login
// window) and returns it; once it has been painted, the rest of the table is
// created in order, one window per turn of the event loop, while the user
// types the password. Whatever needs a window beyond the login window calls
// completeWindowSet() first (the login window's commands do).
QWidget *startWindowSet();
// Creates, in order, the windows of the table not created yet.
void completeWindowSet();
bool windowSetComplete();
// Destroys the window set from the table (last created first), clears the
// global pointers and the registry.
void destroyWindowSet();

} // namespace StartUp
