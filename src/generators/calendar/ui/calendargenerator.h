#pragma once

class GeneratorHost;

// Opens the Calendar Veda Guy modally on the current month; OK inserts the
// calendar at the caret.
void openCalendarGenerator(GeneratorHost &host);
