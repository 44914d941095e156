// The framework's exception bases: what the system's own exception classes derive from, and
// the file and memory exceptions that the file layer and the allocator raise, and the resource
// exception of a window class that cannot be registered.
//
// On the original platform these were thrown by pointer and deleted by the catcher; our code
// throws them by pointer too where the system's code does (`throw new CZTException(...)`), and
// the catcher deletes them (Delete()). FileException carries the cause that the callers map to
// their own message codes, the OS error number and the file name.
#pragma once

#include "platform/text/string.h"

namespace platform {

class Exception {
public:
    virtual ~Exception() = default;
    // Copies the error's text into buffer (at most length - 1 characters, always terminated);
    // true when there is a text.
    virtual bool GetErrorMessage(char* buffer, unsigned length, unsigned* helpContext = nullptr) const;
    // Shows the error to the user (or the log when nobody is there); the message box's answer.
    virtual int ReportError(unsigned type = 0, unsigned helpId = 0);
    // Ends a pointer-thrown exception's life.
    void Delete() { delete this; }
};

class MemoryException : public Exception {
public:
    bool GetErrorMessage(char* buffer, unsigned length, unsigned* helpContext = nullptr) const override;
};

// A resource the program cannot do without (a window class) could not be made.
class ResourceException : public Exception {};

class FileException : public Exception {
public:
    enum Cause {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    FileException(Cause cause = none, long osError = -1, String fileName = {})
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    bool GetErrorMessage(char* buffer, unsigned length, unsigned* helpContext = nullptr) const override;

    Cause m_cause;
    long m_lOsError;  // the Win32 error number, -1 when none
    String m_strFileName;
};

}  // namespace platform
