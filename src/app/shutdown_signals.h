#pragma once

class QWidget;

// SIGTERM and SIGINT close the window the normal way, so its close handler saves everything.
void CloseOnShutdownSignals(QWidget* window);
