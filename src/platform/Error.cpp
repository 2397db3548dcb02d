#include "platform/Error.h"

namespace rp {

Error Error::runtime(int number) {
    switch (number) {
    case err::SubscriptOutOfRange:
        return {number, QStringLiteral("Subscript out of range")};
    case err::TypeMismatch:
        return {number, QStringLiteral("Type mismatch")};
    case err::BadFileName:
        return {number, QStringLiteral("Bad file name or number")};
    case err::FileNotFound:
        return {number, QStringLiteral("File not found")};
    case err::InputPastEndOfFile:
        return {number, QStringLiteral("Input past end of file")};
    case err::PermissionDenied:
        return {number, QStringLiteral("Permission denied")};
    case err::PathFileAccess:
        return {number, QStringLiteral("Path/File access error")};
    case err::PathNotFound:
        return {number, QStringLiteral("Path not found")};
    case err::InvalidUseOfNull:
        return {number, QStringLiteral("Invalid use of Null")};
    case err::NoCurrentRecord:
        return {number, QStringLiteral("No current record.")};
    case err::UpdateWithoutEdit:
        return {number, QStringLiteral("Update or CancelUpdate without AddNew or Edit.")};
    case err::RecordDeleted:
        return {number, QStringLiteral("Record is deleted.")};
    case err::ItemNotFound:
        return {number, QStringLiteral("Item not found in this collection.")};
    default:
        return {number, QStringLiteral("Application-defined or object-defined error")};
    }
}

} // namespace rp
