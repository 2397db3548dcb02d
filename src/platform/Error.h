#pragma once

#include <QString>

namespace rp {

// A failure with the number and description the program's messages show. Thrown by the database layer
// and the file routines, caught by the routine that reports it.
struct Error {
    int number = 0;
    QString description;

    static Error runtime(int number); // with the runtime's own description
};

// Numbers the program acts upon.
namespace err {
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int DuplicateKey = 3022;
inline constexpr int FileNotFoundDb = 3024;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int CannotAccessDatabase = 3051;
inline constexpr int TableNotFound = 3078;
inline constexpr int RecordDeleted = 3167;
inline constexpr int ItemNotFound = 3265;
inline constexpr int UpdateWithoutEdit = 3020;
inline constexpr int UnrecognizedFormat = 3343;
inline constexpr int DatabaseEngine = 3146;
// The database engine's failures are numbered from 3000 up.
inline constexpr bool isDatabaseError(int number) {
    return number >= 3000;
}
} // namespace err

} // namespace rp
