#pragma once
// The class library's exception classes. Only the class library throws them; the program's own
// code reports failures by truth values and lets these propagate to the entry point.

#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}

    const std::string& Message() const { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define HUSHWAVE_EXCEPTION(Name, Base)                                                             \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
    }

HUSHWAVE_EXCEPTION(EAbort, Exception);
HUSHWAVE_EXCEPTION(EConvertError, Exception);
HUSHWAVE_EXCEPTION(EOutOfResources, Exception);
HUSHWAVE_EXCEPTION(EInvalidOperation, Exception);
HUSHWAVE_EXCEPTION(EInvalidCast, Exception);
HUSHWAVE_EXCEPTION(EListError, Exception);
HUSHWAVE_EXCEPTION(EComponentError, Exception);
HUSHWAVE_EXCEPTION(EStreamError, Exception);
HUSHWAVE_EXCEPTION(EFOpenError, EStreamError);
HUSHWAVE_EXCEPTION(EFCreateError, EStreamError);
HUSHWAVE_EXCEPTION(EReadError, EStreamError);
HUSHWAVE_EXCEPTION(EWriteError, EStreamError);
HUSHWAVE_EXCEPTION(EFilerError, EStreamError);
HUSHWAVE_EXCEPTION(EClassNotFound, EFilerError);
HUSHWAVE_EXCEPTION(EPropertyError, EFilerError);
HUSHWAVE_EXCEPTION(EInvalidGraphic, Exception);
HUSHWAVE_EXCEPTION(EInvalidGraphicOperation, Exception);

#undef HUSHWAVE_EXCEPTION
