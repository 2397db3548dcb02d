#pragma once

#include <QDialog>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace rp {

class Ui;

// "Schedule Comments": the comment printed as the second heading of a calendar. Each showing starts
// empty; OK keeps the text, closing otherwise leaves the last comment as it was.
class frmComments : public QDialog {
    Q_OBJECT
public:
    // The most characters of a stored comment, whose line breaks are CR LF.
    static constexpr int kMaxLength = 100;

    frmComments(Ui& ui, QString& commentText, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QPlainTextEdit* Text1;
    QPushButton* cmdOK;
    QPushButton* cmdClear;

    void cmdOK_Click();
    void cmdClear_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Text1_Change();
    Ui& ui_;
    QString& commentText_;
    // The text as last accepted, so that a change beyond the limit keeps it.
    QString accepted_;
};

} // namespace rp
