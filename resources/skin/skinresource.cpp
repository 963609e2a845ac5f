#include "skinresource.h"

#include <QtGlobal>

void kexboraInitSkinResource() {
    Q_INIT_RESOURCE(kexbora_skin);
}
