#pragma once

#include <QDialog>
#include <QWidget>
#include <Qt>

#include <vector>

// Shows a dialog offscreen as the active window, so keys reach the control
// that has the focus, as a user's would. Fails the test when it cannot.
void ShowActive(QDialog &dialog);

// Presses and releases a key at the application's focus widget.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The widgets that Tab visits from the current focus, `count` presses.
std::vector<QWidget *> TabSequence(int count);
