#include "pictures.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static bool RegisterPictures()
{
    Q_INIT_RESOURCE(pictures);
    return true;
}

void InitPictures()
{
    static const bool registered = RegisterPictures();
    (void)registered;
}
