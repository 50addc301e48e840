#pragma once

#include "plan/entrydialog.h"

// The editor of the materials listing: the listing of the materials step, changed freely and
// handed back through strMaterialEdit, which the step puts into its listing field when it is
// prepared again.
class frmEditMat : public EntryDialog
{
    Q_OBJECT
public:
    explicit frmEditMat(frmMain &main);

    // The listing as the step shows it (with its trailing breaks); Cancel hands it back as it is.
    void setUnchangedListing(const QString &listing) { unchanged_ = listing; }

    void Form_Activate() override;
    void done() override { cmdDone_Click(); }
    void cmdDone_Click();

    QPlainTextEdit *txtEdit = nullptr;
    QLabel *lblTwice = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;

    static constexpr int HelpContext = 10008;

protected:
    void cancelled() override;

private:
    QString unchanged_;
};
