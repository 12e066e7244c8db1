#pragma once

class QWidget;

// Shows the window, writes "first-frame" to standard output as soon as its first frame has
// been painted, lets it sit idle for a moment, writes "idle-rss-kib <resident KiB>" and ends
// the event loop. Answers the event loop's exit code. Both start-up probes use it, so that the
// program and the minimal window are timed and weighed alike.
int ShowAndReport(QWidget &window);
