#pragma once

#include <QApplication>

class QTranslator;

// The application object: fixed fonts and formats, Qt's own texts in Italian,
// and a last guard that turns any failure escaping an event handler into an
// error box instead of ending the program.
class KennoraApplication : public QApplication
{
    Q_OBJECT
public:
    // Must run before the application object exists (media backend, fonts):
    // also starts reading the font configuration on a thread of its own.
    static void prepareEnvironment();
    KennoraApplication(int &argc, char **argv);
    ~KennoraApplication() override;
    // The guard costs one try block per event: nothing is allocated unless a
    // failure is caught.
    bool notify(QObject *receiver, QEvent *event) override;
    // The fonts of the program: Tahoma and Verdana map to DejaVu Sans, Arial
    // to Liberation Sans, Arial Narrow to Nimbus Sans Narrow.
    static void installFontSubstitutions();
    // Loads Qt's Italian translation (qtbase_it from Qt's translations folder)
    // into the running application, so Qt's own dialogs (file chooser, print
    // dialogs) speak Italian, with the few texts that catalogue lacks added by
    // the program. Returns false when the translation is missing;
    // the program then goes on with Qt's English texts. Installs it once.
    static bool installItalianTranslation();
};
