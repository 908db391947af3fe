// failingregistration.so: a server whose registration fails and says why.

#include "platform/com/com_error.h"
#include "platform/com/hresult.h"

extern "C" QUENMOOR_EXPORT quenmoor::com::HRESULT DllRegisterServer() {
    quenmoor::com::setErrorInfo("the test class refuses to be registered");
    return quenmoor::com::SELFREG_E_CLASS;
}
