#pragma once

class QTabWidget;

// Makes the page a tab control turns to readable by screen readers at once. A screen reader
// may keep what it learnt of a page while the page was hidden, and the toolkit tells it only
// that the page is showing again, not that it is visible: it would then skip the page as
// invisible. A selection event on the page, and on each of its parts that changed while it was
// hidden, makes the screen reader forget what it kept of them.
void ReportPageTurns(QTabWidget *tabs);
