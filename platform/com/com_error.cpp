#include "platform/com/com_error.h"

#include <cstdio>
#include <new>
#include <utility>

namespace quenmoor::com {

namespace {

thread_local std::string lastErrorInfo;

const char* knownText(HRESULT hr) {
    switch (hr) {
        case E_NOTIMPL:
            return "not implemented";
        case E_NOINTERFACE:
            return "no such interface supported";
        case E_POINTER:
            return "invalid pointer";
        case E_FAIL:
            return "unspecified failure";
        case E_UNEXPECTED:
            return "catastrophic failure";
        case E_OUTOFMEMORY:
            return "out of memory";
        case E_INVALIDARG:
            return "invalid argument";
        case E_ACCESSDENIED:
            return "access denied";
        case E_FILE_NOT_FOUND:
            return "file not found";
        case DISP_E_MEMBERNOTFOUND:
            return "member not found";
        case DISP_E_PARAMNOTFOUND:
            return "parameter not found";
        case DISP_E_TYPEMISMATCH:
            return "type mismatch";
        case DISP_E_UNKNOWNNAME:
            return "unknown name";
        case DISP_E_EXCEPTION:
            return "exception occurred";
        case DISP_E_OVERFLOW:
            return "out of present range";
        case DISP_E_BADINDEX:
            return "invalid index";
        case DISP_E_BADPARAMCOUNT:
            return "invalid number of parameters";
        case CLASS_E_NOAGGREGATION:
            return "class does not support aggregation";
        case CLASS_E_CLASSNOTAVAILABLE:
            return "class not available";
        case REGDB_E_CLASSNOTREG:
            return "class not registered";
        case REGDB_E_READREGDB:
            return "could not read the registry";
        case REGDB_E_WRITEREGDB:
            return "could not write the registry";
        case CO_E_CLASSSTRING:
            return "invalid class string";
        case CO_E_DLLNOTFOUND:
            return "library not found";
        case CO_E_ERRORINDLL:
            return "error in library";
        case MK_E_UNAVAILABLE:
            return "operation unavailable";
        case SELFREG_E_CLASS:
            return "failed to register the class";
        case SELFREG_E_TYPELIB:
            return "failed to register the type library";
        case CTL_E_OVERFLOW:
            return "Overflow";
        case CTL_E_TYPEMISMATCH:
            return "Type mismatch";
        case CTL_E_OBJECTNOTSET:
            return "Object variable not set";
        default:
            return nullptr;
    }
}

}  // namespace

ComError::ComError(HRESULT hr, const std::string& description)
    : std::runtime_error(description), code_(hr) {}

ComError::~ComError() = default;

void setErrorInfo(std::string description) {
    lastErrorInfo = std::move(description);
}

std::string takeErrorInfo() {
    return std::exchange(lastErrorInfo, {});
}

std::string hexCode(HRESULT hr) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(hr));
    return buffer;
}

std::string describeCode(HRESULT hr) {
    if (const char* text = knownText(hr)) {
        return text;
    }
    return "error " + hexCode(hr);
}

void check(HRESULT hr, std::string_view context) {
    if (succeeded(hr)) {
        return;
    }
    std::string info = takeErrorInfo();
    if (info.empty()) {
        info = std::string(context) + ": " + describeCode(hr);
    }
    throw ComError(hr, info);
}

ComError fileError(const std::system_error& error) {
    const std::error_condition cause = error.code().default_error_condition();
    const bool denied = cause == std::errc::permission_denied ||
                        cause == std::errc::operation_not_permitted ||
                        cause == std::errc::read_only_file_system;
    return ComError(denied ? E_ACCESSDENIED : E_FAIL, error.what());
}

HRESULT failureFromCurrentException() noexcept {
    try {
        throw;
    } catch (const ComError& e) {
        setErrorInfo(e.description());
        return e.code();
    } catch (const std::system_error& e) {
        const ComError error = fileError(e);
        setErrorInfo(error.description());
        return error.code();
    } catch (const std::bad_alloc&) {
        setErrorInfo("out of memory");
        return E_OUTOFMEMORY;
    } catch (const std::exception& e) {
        setErrorInfo(e.what());
        return E_FAIL;
    } catch (...) {
        setErrorInfo("unknown failure");
        return E_FAIL;
    }
}

}  // namespace quenmoor::com
