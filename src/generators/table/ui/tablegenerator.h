#pragma once

class GeneratorHost;

// What the program calls to run the table generators.

// The Table Veda Guy: shows the "Creating Simple Tables" helper tip, then the
// dialog, modally; an inserted table reaches the page through the host.
void openTableGenerator(GeneratorHost &host);

// The Cell Attributes dialog, modally; its string reaches the page through
// the host.
void openCellAttributes(GeneratorHost &host);
