// noentrycomponent.so: a library that loads but exports no entry point of a server.

#include "platform/com/export.h"

extern "C" QUENMOOR_EXPORT int QuenmoorTestAnswer() {
    return 42;
}
