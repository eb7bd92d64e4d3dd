#pragma once

#include <QString>

class QWidget;

// The start-up instances of the windows, by their global name (the constants
// of WindowNames: WindowNames::frmAvvio, WindowNames::frmClienti, ...). A
// picker that delivers its result to a window looks the window up here and
// writes into its named controls (see Delivery).
namespace WindowRegistry
{
void set(const QString &globalName, QWidget *window);
QWidget *get(const QString &globalName); // nullptr when the window does not exist
void clear();
} // namespace WindowRegistry
