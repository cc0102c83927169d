#include "error_number.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <utility>

#include "app/utf8_path.h"

namespace ordavex {

namespace {

struct ErrorText {
    int number;
    const char* text;
};

constexpr std::array<ErrorText, 18> kErrorTexts{{
    {kErrOverflow, "Overflow ..!"},
    {kErrOutOfMemory, "Memoria esaurita ..!"},
    {kErrSubscript, "Azione negata ..!"},
    {kErrDivisionByZero, "Divisione per zero ..!"},
    {kErrTypeMismatch, "Incompatibilità ..!"},
    {kErrOutOfStringSpace, "Spazio stringhe esaurito ..!"},
    {kErrOutOfStack, "Spazio stack esaurito ..!"},
    {kErrBadFileName, "Nome o numero di file non vadido ..!"},
    {kErrFileNotFound, "File non trovato ..!"},
    {kErrBadFileMode, "Modalità apertura non valida ..!"},
    {kErrFileAlreadyOpen, "File già aperto ..!"},
    {kErrDiskFull, "Disco pieno ..!"},
    {kErrInputPastEnd, "Lettura oltre la fine del file ..!"},
    {kErrDeviceUnavailable, "Periferica inaccessibile ..!"},
    {kErrPathNotFound, "Impossibile trovare il percorso ..!"},
    {kErrBadLength, "La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!"},
    {kErrEmptyFile, "Il file è vuoto ..!"},
    {kErrNumberOutOfRange, "Il file contiene numeri 0|oppure superiori al 90 ..!"},
}};

constexpr const char* kUnknownErrorPrefix = "Si è verificato l' errore: ";

bool FolderOfPathIsMissing(const std::string& path) {
    std::error_code ignored;
    const auto folder = PathFromUtf8(path).parent_path();
    return !folder.empty() && !std::filesystem::is_directory(folder, ignored);
}

}  // namespace

OrdavexError::OrdavexError(int number) : std::runtime_error(ErrorMessage(number)), number_(number) {}

std::string ErrorMessage(int number) {
    for (const auto& entry : kErrorTexts) {
        if (entry.number == number) return entry.text;
    }
    return kUnknownErrorPrefix + std::to_string(number);
}

int ErrorNumberForSystemError(std::error_code error, const std::string& path) {
    using std::errc;
    const auto is = [&error](errc condition) { return error == std::make_error_condition(condition); };
    if (is(errc::no_such_file_or_directory)) return FolderOfPathIsMissing(path) ? kErrPathNotFound : kErrFileNotFound;
    if (is(errc::not_a_directory)) return kErrPathNotFound;
    if (is(errc::permission_denied) || is(errc::operation_not_permitted)) return kErrPermissionDenied;
    if (is(errc::no_space_on_device) || is(errc::file_too_large)) return kErrDiskFull;
    if (is(errc::filename_too_long) || is(errc::invalid_argument) || is(errc::is_a_directory) ||
        is(errc::illegal_byte_sequence) || is(errc::too_many_symbolic_link_levels)) {
        return kErrBadFileName;
    }
    if (is(errc::not_enough_memory)) return kErrOutOfMemory;
    if (is(errc::too_many_files_open) || is(errc::too_many_files_open_in_system)) return kErrFileAlreadyOpen;
    return kErrDeviceUnavailable;
}

int ErrorNumberForErrno(int errnoValue, const std::string& path) {
    return ErrorNumberForSystemError(std::error_code(errnoValue, std::generic_category()), path);
}

}  // namespace ordavex
