#pragma once

// Controls that are laid out, loaded and saved with their settings, but whose behaviour
// belongs to later work: they stay disabled whatever the window asks of them. A control
// leaves the list in pending_controls.cpp once its behaviour exists.

class QAction;
class QObject;
class QWidget;

namespace dittaro {

struct MainWindowParts;

void markPendingControls(const MainWindowParts& parts);
bool isPending(const QObject* control);

// setEnabled, except that a pending control stays disabled.
void setControlEnabled(QWidget* control, bool enabled);
void setControlEnabled(QAction* control, bool enabled);

} // namespace dittaro
