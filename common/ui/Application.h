#pragma once

#include <QApplication>

// The application object: fixed fonts and formats, and a last guard that turns
// any failure escaping an event handler into an error box instead of ending
// the program.
class KennoraApplication : public QApplication
{
    Q_OBJECT
public:
    // Must run before the application object exists (media backend, fonts).
    static void prepareEnvironment();
    KennoraApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
    // The fonts of the program: Tahoma and Verdana map to DejaVu Sans.
    static void installFontSubstitutions();
};
