#include "generators/calendar/ui/calendargenerator.h"

#include "generators/calendar/ui/calendardialog.h"
#include "generators/generatorhost.h"

void openCalendarGenerator(GeneratorHost &host) {
    CalendarDialog dialog(host, QDate::currentDate(), host.dialogParent());
    dialog.exec();
}
