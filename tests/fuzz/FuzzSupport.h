#pragma once

#include "platform/Ui.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace rp::fuzz {

// A Ui that answers every message with its first button and every prompt with nothing: a fuzz target
// only asks whether the program survives what it reads, not what it says about it.
class SilentUi : public Ui {
public:
    Answer message(const QString&, const QString& = {}, Icon = Icon::None, Buttons buttons = Buttons::Ok,
                   std::optional<Answer> = {}) override {
        ++messages;
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> input(const QString&, const QString& = {}) override { return std::nullopt; }
    void beep() override {}
    void setBusy(bool) override {}
    void endProgram() override { ended = true; }

    int messages = 0;
    bool ended = false;
};

// One program folder for the whole run, with the folders an installation has (settings, Times, Personal,
// Saved); made in memory where the system offers it, since every input is written to a file there.
const QString& scratchFolder();
// Writes bytes as a file of the scratch folder, replacing it; returns its path.
QString putFile(const QString& relative, const QByteArray& bytes);

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A property of what was read that must hold whatever the input: a failure stops the run like a crash,
// so that the input is kept.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

} // namespace rp::fuzz
