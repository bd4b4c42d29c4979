#include "platform/clock.h"

#include <QDate>

int systemYear() { return QDate::currentDate().year(); }
