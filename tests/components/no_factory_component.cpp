// nofactorycomponent.so: a server that serves no class and gives no reason, and has no
// DllCanUnloadNow, so the runtime keeps it loaded.

#include "platform/com/export.h"
#include "platform/com/guid.h"
#include "platform/com/hresult.h"

extern "C" QUENMOOR_EXPORT quenmoor::com::HRESULT DllGetClassObject(const quenmoor::com::Guid&,
                                                                    const quenmoor::com::Guid&,
                                                                    void** object) {
    if (object != nullptr) {
        *object = nullptr;
    }
    return quenmoor::com::CLASS_E_CLASSNOTAVAILABLE;
}
