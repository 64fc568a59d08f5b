#pragma once

class QWidget;

// For the start-up benchmark only. With ACCTPREP_FIRST_PAINT set, the program prints on
// standard output, once the window has been painted for the first time,
//   first-paint <CLOCK_MONOTONIC ns> rss-kib <resident> hwm-kib <peak resident>
// then, once what start-up leaves for after the first paint is done,
//   first-idle <CLOCK_MONOTONIC ns> rss-kib <resident> hwm-kib <peak resident>
// and quits. Set to "page", it then opens the help centre and, once its page has loaded,
// prints
//   first-page <ns at the click> <ns when shown> rss-kib <resident> hwm-kib <peak resident>
// before it quits.
void QuitAtFirstPaintIfAsked(QWidget *window);
