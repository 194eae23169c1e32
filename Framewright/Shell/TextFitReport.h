#pragma once
// How every shown text of a window fits, for the layout checks in each language (the developer
// hook FRAMEWRIGHT_TEXT_REPORT). One line per shown text item, in tree order:
//   <fit> TAB <implicit width> TAB <width> TAB <text>
// where fit is
//   fits       the text fits its item (wrapped text: its lines fit the item's height too; text
//              set smaller to fit: at the size it is drawn);
//   elided     it does not, but it is elided on purpose and a screen reader gets the whole text
//              from the item or one of its two nearest ancestors;
//   CLIPPED    it does not fit and nothing says the whole of it, or a container that clips
//              cuts its drawn text (except in a scrolling view, such as the history list or the
//              settings sliders' partly shown pages: there only a text wholly cut away counts as
//              not shown);
//   OUTSIDE    it fits its item, but the item reaches beyond the window's edges;
//   OVERLAPS   its drawn text crosses the drawn text of another item of the same layer (the
//              window, or one pop-up, menu or alert); the other text follows after " / ".
// Shown means visible and not transparent all the way up, and not wholly clipped away.

#include <QString>

class QQuickWindow;

namespace framewright {

class TextFitReport {
public:
    // False when the file could not be written.
    static bool write(const QQuickWindow& window, const QString& path);
};

} // namespace framewright
