#pragma once

#include <cups/cups.h>

namespace tessra {

// libcups and the dozen libraries it pulls in (TLS, Kerberos, DNS-SD) are loaded at the first
// use of the spooler rather than at start-up, which they would slow by several milliseconds.
// The headers still give every function's type.
#define TESSRA_CUPS_FUNCTIONS(X)                                                                  \
    X(cupsCancelJob2) X(cupsDoRequest) X(cupsEncryption) X(cupsFinishDocument) X(cupsFreeDests)   \
    X(cupsGetDests2) X(cupsGetOption) X(cupsLastError) X(cupsServer) X(cupsStartDocument)         \
    X(cupsUser) X(cupsWriteRequestData) X(httpAssembleURIf) X(httpClose) X(httpConnect2)          \
    X(httpReconnect2) X(httpSetTimeout) X(ippAddString) X(ippDelete) X(ippFindAttribute)          \
    X(ippGetInteger) X(ippNewRequest) X(ippPort) X(ippAddInteger) X(ippAddStrings) X(ippGetCount)       \
    X(ippGetString)

struct CupsLibrary {
#define TESSRA_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    TESSRA_CUPS_FUNCTIONS(TESSRA_CUPS_MEMBER)
#undef TESSRA_CUPS_MEMBER
};

// The loaded library, or null when it is missing or lacks a function: then there is no spooler.
const CupsLibrary* Cups();

}  // namespace tessra
