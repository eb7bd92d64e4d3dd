#pragma once

#include <QString>

class QWidget;

// The start-up instances of the windows, by their global name ("frmAvvio",
// "frmClienti", ...). A dialog that delivers its result to a window looks the
// window up here and writes into its named controls.
namespace WindowRegistry {
void set(const QString &globalName, QWidget *window);
QWidget *get(const QString &globalName); // nullptr when the window does not exist
void clear();
} // namespace WindowRegistry
