#pragma once

#include "platform/ReportPrinter.h"

#include <QList>
#include <QStringList>

namespace rp::test {

// What a recording printer was sent: the lines of each page and every call in order, the calls other
// than lines written as "<bold>", "</bold>", "<size 10>", "<new page>" and "<end>". A page break with
// nothing printed after it opens no page, as on paper.
struct Printout {
    QList<QStringList> pages{QStringList()};
    QStringList calls;
};

// A report printer that keeps what it is sent; it fails from the call numbered failFrom (1 = the first).
class RecordingPrinter : public ReportPrinter {
public:
    explicit RecordingPrinter(Printout& out, int failFrom = 0) : out_(out), failFrom_(failFrom) {}

    bool line(const QString& text) override {
        if (!call(text))
            return false;
        if (pageBreakPending_)
            out_.pages.append(QStringList());
        pageBreakPending_ = false;
        out_.pages.last() << text;
        return true;
    }
    bool bold(bool on) override { return call(on ? QStringLiteral("<bold>") : QStringLiteral("</bold>")); }
    bool fontSize(int points) override { return call(QStringLiteral("<size %1>").arg(points)); }
    bool newPage() override {
        pageBreakPending_ = call(QStringLiteral("<new page>"));
        return pageBreakPending_;
    }
    bool endDocument() override { return call(QStringLiteral("<end>")); }
    Error lastError() const override { return {482, QStringLiteral("Printer error")}; }

private:
    bool call(const QString& what) {
        if (failFrom_ > 0 && out_.calls.size() + 1 >= failFrom_)
            return false;
        out_.calls << what;
        return true;
    }

    Printout& out_;
    int failFrom_;
    bool pageBreakPending_ = false;
};

} // namespace rp::test
