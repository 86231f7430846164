#pragma once

// The editor's face to assistive technology (screen readers).
//
// QScintilla's own accessibility object counts every character from the
// start of the text to the caret each time the view is updated: a keystroke,
// a new selection, a squiggle drawn. Near the end of a large document that
// costs tens of milliseconds per update. Qt makes that object for every
// widget it shows, even when nothing listens. So while no assistive
// technology is active, the editor gets a plain accessible widget instead;
// once one becomes active those are dropped, and the next question from it
// gets QScintilla's full text interface.
namespace editoraccessibility {

// Called by each editor; installs the above once per process.
void install();

} // namespace editoraccessibility
