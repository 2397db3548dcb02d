#pragma once

// Readable values in failure messages: Qt's texts, bytes, dates and variants, the Ui's icons, button sets
// and answers, and the messages the scripted Ui recorded; and readable names of parameterised cases.
// Every support header includes this one.

#include "ScriptedUi.h"
#include "platform/Ui.h"

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QString>
#include <QVariant>
#include <cctype>
#include <gtest/gtest-printers.h>
#include <ostream>
#include <string>

// Qt's types live in the global namespace, where argument-dependent lookup finds these. The stream
// operators serve the messages after an assertion (`<< text`), PrintTo the values an assertion compares.
inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << s.toStdString();
}
inline std::ostream& operator<<(std::ostream& os, const QByteArray& b) {
    return os << b.toStdString();
}
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << ::testing::PrintToString(s.toStdString());
}
inline void PrintTo(QLatin1String s, std::ostream* os) {
    PrintTo(QString(s), os);
}
inline void PrintTo(QChar c, std::ostream* os) {
    PrintTo(QString(c), os);
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << ::testing::PrintToString(b.toStdString());
}
inline void PrintTo(const QDate& d, std::ostream* os) {
    *os << (d.isValid() ? d.toString(Qt::ISODate) : QStringLiteral("(invalid date)"));
}
inline void PrintTo(const QVariant& v, std::ostream* os) {
    if (v.isNull()) {
        *os << "(null)";
        return;
    }
    *os << v.typeName() << ' ';
    PrintTo(v.toString(), os);
}

namespace rp {

inline const char* nameOf(Icon icon) {
    static const char* const names[] = {"None", "Critical", "Question", "Warning", "Information"};
    return names[int(icon)];
}
inline const char* nameOf(Buttons buttons) {
    static const char* const names[] = {"Ok", "OkCancel", "YesNo", "YesNoCancel"};
    return names[int(buttons)];
}
inline const char* nameOf(Answer answer) {
    static const char* const names[] = {"Ok", "Cancel", "Yes", "No"};
    return names[int(answer)];
}

inline void PrintTo(Icon icon, std::ostream* os) {
    *os << "Icon::" << nameOf(icon);
}
inline void PrintTo(Buttons buttons, std::ostream* os) {
    *os << "Buttons::" << nameOf(buttons);
}
inline void PrintTo(Answer answer, std::ostream* os) {
    *os << "Answer::" << nameOf(answer);
}
inline void PrintTo(const ScriptedUi::Message& m, std::ostream* os) {
    *os << "{text " << ::testing::PrintToString(m.text) << ", title " << ::testing::PrintToString(m.title)
        << ", " << ::testing::PrintToString(m.icon) << ", " << ::testing::PrintToString(m.buttons)
        << ", default " << ::testing::PrintToString(m.defaultButton) << ", answered "
        << ::testing::PrintToString(m.answer) << '}';
}

} // namespace rp

namespace rp::test {

// Names each case of a parameterised test after its parameter's `name`, any character but letters and
// digits turned into '_'.
inline constexpr auto byName = [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
};

} // namespace rp::test
