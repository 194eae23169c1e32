#pragma once
// Developer hooks of the program, inert unless their environment variable is set:
//   FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME=1   print "first-frame" on stdout once the first frame
//                                          is on screen, then quit (start-up measurements);
//   FRAMEWRIGHT_SCREENSHOT=<file.png>      save the window's first settled frame and quit;
//   FRAMEWRIGHT_SCREENSHOT_LAYOUT=settings|history   the layout to shoot (default: keypad);
//   FRAMEWRIGHT_SCREENSHOT_KEYS=<k>,<k>,...          keypad keys pressed before the shot, by raw
//                                          value ("1", "00", "plus", "TC÷", "equal", ...);
//   FRAMEWRIGHT_SCREENSHOT_PASTE=<text>    text pasted (as by Paste) after those keys;
//   FRAMEWRIGHT_SCREENSHOT_MENU=<n>        the n-th menu of the menu bar open (0 is File);
//   FRAMEWRIGHT_SCREENSHOT_SAVE_PANEL=1    "Save History..." open; when its dialog has a window
//                                          of its own, that window is shot;
//   FRAMEWRIGHT_TYPE_KEYS=<k>,<k>,...      once the first frame is on screen, press these keypad
//                                          keys (by raw value) over and over, one per turn of the
//                                          event loop, writing after each press has returned the
//                                          count of presses so far on standard output, one a line
//                                          (the test that kills the program while it types).
//   FRAMEWRIGHT_TEXT_REPORT=<file>          with either of the first two: write, at the first
//                                          frame or the shot, how each shown text fits (see
//                                          TextFitReport.h).
// Hooks that need the calculator use the shared models, so point the user defaults and the
// history at scratch files (HOME, XDG_*) when shooting.

class QQmlApplicationEngine;

namespace framewright {

// Arms the hooks for the window that `engine` is about to load. Call before loading.
void installDeveloperHooks(QQmlApplicationEngine& engine);

} // namespace framewright
