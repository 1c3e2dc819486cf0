#include "kvilo_resources.h"

#include <QtCore/qglobal.h>

void InitKviloResources() {
    Q_INIT_RESOURCE(kvilo);
}
