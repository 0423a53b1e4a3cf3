#pragma once

#include "platform/errors.h"

// A text that should hold a number and does not.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The settings file could not be written.
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

// The settings file exists but could not be read.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};
