#pragma once

class GeneratorHost;

// What the program calls to run the frame creator. Both replace the page in
// the host's document editor when the user finishes; the caller refreshes
// the preview afterwards. Each returns whether the page was replaced.

// "&Frame Creator...": asks "Clear current page to create Frame Structure?"
// and runs the dialog on Yes.
bool openFrameCreator(GeneratorHost &host);

// The dialog without the question (after a new "Frame Page" is created),
// modally.
bool startFrameVedaGuy(GeneratorHost &host);
