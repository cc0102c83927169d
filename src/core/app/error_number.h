#pragma once

#include <stdexcept>
#include <string>
#include <system_error>

namespace ordavex {

// The numbered failures that reach the user. The numbers 6..76 follow the runtime
// numbering that users of the program know; 100..102 belong to file validation.
enum ErrorNumber : int {
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscript = 9,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrOutOfStringSpace = 14,
    kErrOutOfStack = 28,
    kErrBadFileName = 52,
    kErrFileNotFound = 53,
    kErrBadFileMode = 54,
    kErrFileAlreadyOpen = 55,
    kErrDiskFull = 61,
    kErrInputPastEnd = 62,
    kErrDeviceUnavailable = 68,
    // Not in the table of messages: shown as "Si è verificato l' errore: 70", the runtime's own
    // number for it, since "Modalità apertura non valida" would blame the program's mode.
    kErrPermissionDenied = 70,
    kErrPathNotFound = 76,
    kErrBadLength = 100,
    kErrEmptyFile = 101,
    kErrNumberOutOfRange = 102,
};

// A failure carrying its error number; the windows turn it into a message.
class OrdavexError : public std::runtime_error {
public:
    explicit OrdavexError(int number);
    int Number() const { return number_; }

private:
    int number_;
};

// The Italian message shown for an error number.
std::string ErrorMessage(int number);

// Maps a failure reported by the platform to an error number. This is the one place
// where system failures meet the program's numbering:
//   file or folder missing          -> 53, or 76 when the folder of `path` is missing
//   not a folder on the way         -> 76
//   access denied, not permitted    -> 70 (permission denied)
//   read-only file system, I/O,
//   device missing or busy          -> 68
//   disk full, file too large       -> 61
//   bad or too long file name, a
//   loop of links, a folder, FIFO
//   or device given as a file       -> 52
//   out of memory                   -> 7
//   too many open files             -> 55
//   anything else                   -> 68 (the device did not do what was asked)
int ErrorNumberForSystemError(std::error_code error, const std::string& path);

// The same, from the errno value left by a C library call.
int ErrorNumberForErrno(int errnoValue, const std::string& path);

}  // namespace ordavex
