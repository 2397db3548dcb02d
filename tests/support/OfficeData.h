#pragma once

#include "Printers.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <initializer_list>
#include <map>
#include <vector>

namespace rp::test {

// One record of a table: each field's value by the field's name.
using Record = std::map<QString, QVariant>;

// Every record of a table of a database file, in stored order; a table without records throws, as moving
// to its first record does.
std::vector<Record> recordsOf(const QString& databasePath, const QString& table);
// Every record of a table, its fields joined by '|' in column order (Null as <null>), in stored order.
QStringList rowsOf(const QString& databasePath, const QString& table);
// The records of both tables of an office, agents then sites: what a consistent copy of it keeps (its
// header bytes may differ).
QStringList officeRowsOf(const QString& databasePath);

// The slot letters of a weekday with these morning, afternoon and evening counts: A-B, C-F and G-H, none
// for a count outside its range.
QString slotLetters(int am, int pm, int ev);
// A day-slot key: the day in two digits and the slot letter ("05C").
QString dayKey(int day, QChar letter);

// The eight slot texts of a times file: the given ones first, the rest empty.
std::array<QString, 8> slotTexts(std::initializer_list<const char*> texts);

} // namespace rp::test
