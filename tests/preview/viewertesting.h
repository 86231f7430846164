#pragma once

#include "preview/htmlviewer.h"

#include <QString>
#include <QVariant>
#include <functional>

// Helpers for tests that drive an HtmlViewer on the real browser engine.
namespace ViewerTesting {

// Serves viewers from the engine module linked into the test.
void useLinkedEngine();

// Runs `action` and waits until the viewer reports a finished load; returns
// whether one came within `timeoutMs`, `ok` receives its success.
bool loadAndWait(HtmlViewer &viewer, const std::function<void()> &action, bool *ok = nullptr,
                 int timeoutMs = 15000);

// Runs a script in the page on show (as the page's own scripts run) and
// returns its result.
QVariant runScript(HtmlViewer &viewer, const QString &source, int timeoutMs = 5000);

// A 1x1 PNG, and a 20x10 one, to write next to test documents.
QByteArray tinyPng(int width = 1, int height = 1);

} // namespace ViewerTesting
