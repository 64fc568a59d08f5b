#pragma once

class QWidget;

// With ACCTPREP_FIRST_PAINT set, the program prints on standard output, once the window has
// been painted for the first time,
//   first-paint <CLOCK_MONOTONIC ns> rss-kib <resident> hwm-kib <peak resident>
// and quits. The start-up benchmark reads the line; nothing else uses it.
void QuitAtFirstPaintIfAsked(QWidget *window);
