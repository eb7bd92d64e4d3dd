#pragma once

// The program entry: prepares the application, creates the window set with
// the login window first, and runs the event loop.
int kennoraMain(int argc, char *argv[]);
