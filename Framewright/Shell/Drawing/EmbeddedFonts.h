#pragma once
// The faces embedded with the program (qrc:/Framewright/fonts): Dosis Light, Book, Medium and
// SemiBold for labels, Roboto Condensed Light and Regular for values (Theme.qml names them).
//
// They have no CJK glyphs: Japanese texts fall back to IPA Gothic (Debian's fonts-ipafont-gothic,
// 12 MB, a Recommends of the package; Noto Sans CJK, 91 MB, would also do).
//
// They go into the application's font database once, before the window opens. Adding a face
// while a window is open makes Qt Quick drop every font it has prepared and lay out all the
// window's text again for its next frame, so a face added by the window itself (a FontLoader)
// costs the start-up a second layout of everything.

#include <QStringList>

namespace framewright {

class EmbeddedFonts {
public:
    // Adds every embedded face to the font database; needs the QGuiApplication. Only the first
    // call in a process adds them, later calls answer the same. Returns the resource paths of
    // the faces that could not be added (empty when all are in).
    static QStringList registerAll();
    // Names the CJK faces as substitutes of the embedded families, so Japanese texts take them
    // before any other face fontconfig might offer. Before the window opens, while no other
    // thread uses fonts (the substitutes are a table without a lock).
    static void addCjkFallbacks();
    // Asks once, for each embedded family, which faces stand behind it for the characters it
    // lacks. Fontconfig answers by sorting every installed face (about 1 ms a family); Qt keeps
    // the answer for all threads, so asked from a helper thread before the window opens, the
    // window's first text does not wait for it. After addCjkFallbacks(): only a family with
    // substitutes gets its fallbacks sorted, and the answer is kept per family.
    static void findFallbacks();

    // The embedded faces' resource paths, e.g. ":/Framewright/fonts/Dosis-Book.otf".
    static QStringList resourcePaths();
};

} // namespace framewright
