#pragma once

class GeneratorHost;

// Opens the Rainbowizer modally on the text selected in the document
// editor; OK puts the coloured text in place of the selection.
void openRainbowizer(GeneratorHost &host);
